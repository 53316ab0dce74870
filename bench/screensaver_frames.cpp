// Prints the number of frames a running screensaver board has drawn: the
// board keeps it in its window's user data. Used by bench/screensaver.
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

bool IsScreensaverProcess(DWORD pid) {
    HANDLE proc = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!proc) return false;
    wchar_t path[MAX_PATH] = {};
    DWORD n = MAX_PATH;
    const bool ok = ::QueryFullProcessImageNameW(proc, 0, path, &n);
    ::CloseHandle(proc);
    if (!ok || n < 11) return false;
    return _wcsicmp(path + n - 11, L"orvanel.scr") == 0;
}

BOOL CALLBACK FindBoard(HWND wnd, LPARAM lp) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(wnd, &pid);
    if (!::IsWindowVisible(wnd) || !IsScreensaverProcess(pid)) return TRUE;
    *reinterpret_cast<HWND*>(lp) = wnd;
    return FALSE;
}

}  // namespace

int wmain() {
    HWND board = nullptr;
    ::EnumWindows(FindBoard, reinterpret_cast<LPARAM>(&board));
    if (!board) {
        std::fprintf(stderr, "no screensaver window\n");
        return 1;
    }
    std::printf("%lu\n", static_cast<unsigned long>(::GetWindowLongPtrW(board, GWLP_USERDATA)));
    return 0;
}
