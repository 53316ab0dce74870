#include "pages/core/NoiseText.h"

#include <cstdlib>

std::wstring MakeNoiseText(size_t length, const std::function<unsigned()>& nextDigit) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    text.reserve(length + length / 2);
    for (size_t i = 0; i < length; ++i) {
        text += kDigits[nextDigit() % 16];
        if (i % 2 == 1) text += L' ';
    }
    return text;
}

std::wstring MakeNoiseText(size_t length) {
    return MakeNoiseText(length, [] { return static_cast<unsigned>(std::rand()); });
}
