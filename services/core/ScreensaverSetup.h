#pragma once
// Rules of the screensaver set-up window: where the screensaver lives, when
// it counts as the user's screensaver, the waiting time's limits and the
// command lines that start it.
#include <string>

constexpr int kMinWaitMinutes = 1;
constexpr int kMaxWaitMinutes = 9999;

// Limits a waiting time to kMinWaitMinutes..kMaxWaitMinutes.
int ClampWaitMinutes(long long minutes);
// The edit's text as minutes: its leading decimal digits (0 without any),
// limited as above.
int WaitMinutesFromText(const std::wstring& text);
// The system's time-out in seconds shown as whole minutes, limited as above.
int WaitMinutesFromSeconds(long long seconds);

// The installed screensaver: a 32-bit program on 64-bit Windows (it runs
// under WoW64) finds it in the Windows folder's SysWOW64; on 32-bit Windows
// there is no such folder and it lives in the system folder.
std::wstring ScreensaverPath(const std::wstring& windowsDir, const std::wstring& systemDir, bool wow64);

// Ours is the user's screensaver when "SCRNSAVE.EXE" names exactly our path
// and "ScreenSaveActive" is "1" (nullptr: the value is missing).
bool ScreensaverIsOurs(const std::wstring* exeValue, const std::wstring* activeValue, const std::wstring& path);

enum class ScreensaverStart { Preview, Settings };
// The path, a blank, then " /s" or " /c": the screensaver sees two blanks
// before its switch.
std::wstring ScreensaverCommandLine(const std::wstring& path, ScreensaverStart start);
