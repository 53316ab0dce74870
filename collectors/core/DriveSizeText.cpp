#include "collectors/core/DriveSizeText.h"

#include <cstdint>

#include "common/Format.h"
#include "common/Text.h"

const wchar_t* const kUnknownDriveSize = L"0.00 GB (0 bytes)";

std::wstring DriveSizeText(const std::wstring* sizeText) {
    uint64_t bytes = 0;
    if (sizeText == nullptr || !ParseDecimal64(*sizeText, &bytes)) return kUnknownDriveSize;
    return Format(L"%.2f GB (%ls bytes)", static_cast<double>(bytes) / 1073741824.0, sizeText->c_str());
}
