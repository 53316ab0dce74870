#include "services/Autorun.h"

#include <windows.h>

#include "services/CTaskSchedulerSession.h"

namespace {
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValue[] = L"Orvanel";
}  // namespace

int CreateAutorunTask(const std::wstring& programPath) {
    CTaskSchedulerSession session;
    return CreateAutorunTask(session, programPath);
}

int DeleteAutorunTask() {
    CTaskSchedulerSession session;
    return DeleteAutorunTask(session);
}

bool AutorunTaskExists() {
    CTaskSchedulerSession session;
    return AutorunTaskExists(session);
}

void DeleteAutorunRunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    ::RegDeleteValueW(key, kRunValue);
    ::RegCloseKey(key);
}

std::wstring OwnProgramPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length < MAX_PATH ? length : 0);
}
