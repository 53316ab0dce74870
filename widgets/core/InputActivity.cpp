#include "widgets/core/InputActivity.h"

#include "common/Format.h"

namespace {
// Mouse buttons (left, right, middle, X1, X2) and the generic Shift, Ctrl
// and Alt codes are not keystrokes of their own.
bool Ignored(int vk) { return vk == 1 || vk == 2 || vk == 4 || vk == 5 || vk == 6 || (vk >= 16 && vk <= 18); }
}  // namespace

KeyboardActivity::KeyboardActivity() : m_log(kKeyLogEntries, L"00 ") {}

void KeyboardActivity::Poll(const KeyStateSource& keys) {
    for (int vk = 0; vk < 256; ++vk) {
        if (Ignored(vk)) continue;
        const bool down = keys.AsyncKeyState(vk) != 0;
        if (down && !m_pressed[vk]) {
            m_pressed[vk] = true;
            ++m_keystrokes;
            m_log.push_back(Format(L"%02X ", keys.ScanCode(vk)));
            if (m_log.size() > kKeyLogEntries) m_log.pop_front();
        } else if (!down) {
            m_pressed[vk] = false;
        }
    }
}

std::vector<std::wstring> KeyboardActivity::LogLines() const {
    std::vector<std::wstring> lines;
    size_t n = 0;
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it, ++n) {
        if (n % kKeyLogPerLine == 0) lines.emplace_back();
        lines.back() += *it;
    }
    return lines;
}

void MouseActivity::Poll(const KeyStateSource& keys, MouseButton button) {
    const bool left = button == MouseButton::Left;
    bool& pressed = left ? m_leftPressed : m_rightPressed;
    const bool down = keys.AsyncKeyState(left ? 1 : 2) != 0;
    if (down && !pressed) {
        pressed = true;
        ++(left ? m_leftClicks : m_rightClicks);
        m_log.insert(0, left ? L"01 " : L"02 ");
        if (m_log.size() > kClickLogChars) m_log = m_log.substr(0, kClickLogChars) + L"...";
    } else if (!down) {
        pressed = false;
    }
}
