#pragma once
// How Windows asks the screensaver to run: the command line after the
// program name decides between full screen, the preview box and settings.
#include <cstdint>
#include <string>

enum class ScreensaverMode { FullScreen, Preview, Settings };

struct ScreensaverCommand {
    ScreensaverMode mode = ScreensaverMode::Settings;
    // Preview only: the handle of the window to draw into (0 when none).
    int64_t parent = 0;
};

// Only the first two characters choose the mode ("/s", "/p", case ignored);
// anything else means settings. The preview's handle is the text after the
// first three characters, read as a signed decimal number.
ScreensaverCommand ParseScreensaverCommand(const std::wstring& tail);
