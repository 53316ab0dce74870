#pragma once
// What the keyboard and mouse widgets count and log, fed by polling the key
// state through a small interface so that tests can press keys.
#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// The key state as the platform reports it.
class KeyStateSource {
public:
    virtual ~KeyStateSource() = default;
    // The asynchronous state of a virtual key: non-zero while it is down (or
    // when it went down since the last query).
    virtual short AsyncKeyState(int virtualKey) const = 0;
    // The key's hardware scan code.
    virtual unsigned ScanCode(int virtualKey) const = 0;
    // Whether a lock key (Caps, Num, Scroll) is switched on.
    virtual bool IsToggled(int virtualKey) const = 0;
};

constexpr size_t kKeyLogEntries = 84;
constexpr size_t kKeyLogPerLine = 14;

class KeyboardActivity {
public:
    KeyboardActivity();

    // Looks at every virtual key except the mouse buttons and the generic
    // Shift, Ctrl and Alt (their left and right keys count instead): a key
    // that went down since the last poll counts once and logs its scan code.
    void Poll(const KeyStateSource& keys);

    unsigned Keystrokes() const { return m_keystrokes; }
    // The log as shown: newest first, 14 entries ("%02X ") per line.
    std::vector<std::wstring> LogLines() const;

private:
    unsigned m_keystrokes = 0;
    std::array<bool, 256> m_pressed{};
    std::deque<std::wstring> m_log;  // oldest first, always 84 entries
};

constexpr size_t kClickLogChars = 30;

enum class MouseButton { Left, Right };

class MouseActivity {
public:
    // A new press of the button counts once and puts "01 " (left) or "02 "
    // (right) in front of the log, which keeps the ten newest clicks and
    // ends in "..." once older ones were cut off.
    void Poll(const KeyStateSource& keys, MouseButton button);

    unsigned Clicks(MouseButton button) const { return button == MouseButton::Left ? m_leftClicks : m_rightClicks; }
    const std::wstring& Log() const { return m_log; }

private:
    bool m_leftPressed = false, m_rightPressed = false;
    unsigned m_leftClicks = 0, m_rightClicks = 0;
    std::wstring m_log;
};
