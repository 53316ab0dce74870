#include "collectors/core/DriveSizeText.h"

#include <cstdint>

#include "common/Format.h"

const wchar_t* const kUnknownDriveSize = L"0.00 GB (0 bytes)";

namespace {

bool ParseDecimal(const std::wstring& text, uint64_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        unsigned digit = static_cast<unsigned>(c - L'0');
        if (value > (UINT64_MAX - digit) / 10) return false;
        value = value * 10 + digit;
    }
    return true;
}

}  // namespace

std::wstring DriveSizeText(const std::wstring* sizeText) {
    uint64_t bytes = 0;
    if (sizeText == nullptr || !ParseDecimal(*sizeText, bytes)) return kUnknownDriveSize;
    return Format(L"%.2f GB (%ls bytes)", static_cast<double>(bytes) / 1073741824.0, sizeText->c_str());
}
