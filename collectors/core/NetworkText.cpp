#include "collectors/core/NetworkText.h"

#include "common/Format.h"

std::wstring FormatMacAddress(const uint8_t* bytes, size_t length, size_t capacity) {
    if (bytes == nullptr) return std::wstring();
    if (length > capacity) length = capacity;
    std::wstring text;
    for (size_t i = 0; i < length; ++i) text += Format(i + 1 < length ? L"%.2X-" : L"%.2X", bytes[i]);
    return text;
}

std::wstring AdapterTypeText(unsigned type) {
    switch (type) {
    case 6: return L"Ethernet";
    case 9: return L"ISO 88025 Tokenring";
    case 23: return L"PPP";
    case 24: return L"Software Loopback";
    case 28: return L"ATM";
    case 71: return L"IEEE 802.11";
    default: return std::wstring();
    }
}
