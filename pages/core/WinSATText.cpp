#include "pages/core/WinSATText.h"

#include "common/Format.h"

std::wstring WinSATScoreText(double score) { return Format(L"%.1f", score); }

std::wstring WinSATDateText(int year, int month, int day, int hour, int minute) {
    return Format(L"%2d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
}

std::wstring WinSATCompletionText(int32_t status, const std::wstring& description) {
    if (status < 0) return Format(L"Error 0x%x: %ls", static_cast<unsigned>(status), description.c_str());
    return description;
}

bool WinSATProgressText(uint32_t currentTick, uint32_t totalTicks, const std::wstring& state, std::wstring& text) {
    if (totalTicks == 0) return false;
    // In 64 bits: a tick count above 42 million must not wrap the product.
    const uint64_t percent = static_cast<uint64_t>(currentTick) * 100u / totalTicks;
    text = Format(L"%llu%%: %ls", static_cast<unsigned long long>(percent), state.c_str());
    return true;
}
