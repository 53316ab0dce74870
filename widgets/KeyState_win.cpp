#include "widgets/KeyState_win.h"

#include <windows.h>

short CAsyncKeyState::AsyncKeyState(int vk) const { return ::GetAsyncKeyState(vk); }

unsigned CAsyncKeyState::ScanCode(int vk) const { return ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC); }

bool CAsyncKeyState::IsToggled(int vk) const { return (::GetKeyState(vk) & 1) != 0; }

const CAsyncKeyState& CAsyncKeyState::Instance() {
    static const CAsyncKeyState keys;
    return keys;
}
