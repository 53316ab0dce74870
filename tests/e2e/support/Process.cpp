#include "tests/e2e/support/Process.h"

#include <commctrl.h>

#include "common/Format.h"

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path);
    return s.substr(0, s.rfind(L'\\'));
}

OrvanelProcess::OrvanelProcess(const std::wstring& tail, const std::wstring& appData, const std::wstring& exeName) {
    m_appData = appData;
    if (m_appData.empty()) {
        m_appData = MakeTempFolder(L"orvanel-e2e");
        m_ownAppData = true;
    }
    // The environment of this process with APPDATA replaced.
    std::vector<wchar_t> env;
    wchar_t* block = ::GetEnvironmentStringsW();
    for (const wchar_t* p = block; *p; p += wcslen(p) + 1) {
        if (_wcsnicmp(p, L"APPDATA=", 8) == 0) continue;
        env.insert(env.end(), p, p + wcslen(p) + 1);
    }
    ::FreeEnvironmentStringsW(block);
    std::wstring own = L"APPDATA=" + m_appData;
    env.insert(env.end(), own.begin(), own.end());
    env.push_back(0);
    env.push_back(0);

    std::wstring exe = TestProgramFolder() + L"\\" + exeName;
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!tail.empty()) cmd += L" " + tail;
    std::vector<wchar_t> cmdBuf(cmd.begin(), cmd.end());
    cmdBuf.push_back(0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!::CreateProcessW(exe.c_str(), cmdBuf.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT, env.data(),
                          TestProgramFolder().c_str(), &si, &m_pi))
        m_pi = PROCESS_INFORMATION{};
}

OrvanelProcess::~OrvanelProcess() {
    Terminate();
    if (m_pi.hProcess) ::CloseHandle(m_pi.hProcess);
    if (m_pi.hThread) ::CloseHandle(m_pi.hThread);
    if (m_ownAppData) RemoveFolder(m_appData);
}

void OrvanelProcess::Terminate() {
    if (!m_pi.hProcess) return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
}

bool OrvanelProcess::WaitForExit(DWORD ms, DWORD* code) {
    if (!m_pi.hProcess) return false;
    if (::WaitForSingleObject(m_pi.hProcess, ms) != WAIT_OBJECT_0) return false;
    if (code) ::GetExitCodeProcess(m_pi.hProcess, code);
    return true;
}

namespace {
struct EnumState {
    DWORD pid;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* st = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == st->pid) st->found.push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> OrvanelProcess::Windows() const {
    EnumState st{m_pi.dwProcessId, {}};
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&st));
    return st.found;
}

HWND OrvanelProcess::WaitForWindow(const wchar_t* cls, const wchar_t* title, DWORD ms) const {
    const DWORD end = ::GetTickCount() + ms;
    for (;;) {
        for (HWND h : Windows()) {
            wchar_t c[64] = {}, t[256] = {};
            ::GetClassNameW(h, c, 64);
            ::GetWindowTextW(h, t, 256);
            if ((!cls || wcscmp(c, cls) == 0) && (!title || wcscmp(t, title) == 0)) return h;
        }
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return nullptr;
        ::Sleep(50);
    }
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

std::vector<std::wstring> TreeItemTexts(HWND tree, DWORD pid) {
    std::vector<std::wstring> texts;
    HANDLE proc = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!proc) return texts;
    // TVM_GETITEM fills a structure in the tree's own address space.
    const size_t textChars = 256;
    BYTE* remote = static_cast<BYTE*>(
        ::VirtualAllocEx(proc, nullptr, sizeof(TVITEMW) + textChars * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item)) {
            TVITEMW tvi{};
            tvi.mask = TVIF_TEXT;
            tvi.hItem = item;
            tvi.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TVITEMW));
            tvi.cchTextMax = textChars;
            ::WriteProcessMemory(proc, remote, &tvi, sizeof(tvi), nullptr);
            ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
            wchar_t text[textChars] = {};
            ::ReadProcessMemory(proc, remote + sizeof(TVITEMW), text, sizeof(text) - sizeof(wchar_t), nullptr);
            texts.push_back(text);
        }
        ::VirtualFreeEx(proc, remote, 0, MEM_RELEASE);
    }
    ::CloseHandle(proc);
    return texts;
}

bool SelectTreeItem(HWND tree, size_t position) {
    HTREEITEM item = TreeView_GetRoot(tree);
    for (size_t i = 0; item && i < position; ++i) item = TreeView_GetNextSibling(tree, item);
    return item && TreeView_SelectItem(tree, item);
}
