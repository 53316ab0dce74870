#pragma once
// The texts the experience-index windows build from what the assessment
// tool reports: scores, the assessment date, progress and completion lines.
#include <cstdint>
#include <string>

// A score with one decimal: 7.9.
std::wstring WinSATScoreText(double score);

// The assessment date, year first: "2024-05-17 09:30".
std::wstring WinSATDateText(int year, int month, int day, int hour, int minute);

// The status line of a finished assessment: "Error 0x80004005: <description>"
// for a failure status (negative), otherwise the description itself.
std::wstring WinSATCompletionText(int32_t status, const std::wstring& description);

// The status line of a progress report: "42%: <state>" for 42 of 100 ticks.
// False (and `text` untouched) when the report has no total: such a report
// changes nothing.
bool WinSATProgressText(uint32_t currentTick, uint32_t totalTicks, const std::wstring& state, std::wstring& text);
