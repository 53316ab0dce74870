#include "framework/CWnd.h"

#include <vector>

namespace {
const wchar_t kObjectProp[] = L"OrvanelCWnd";
}

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // The object dies first: unbind so no late message reaches it.
        HWND h = m_hWnd;
        Detach();
        ::DestroyWindow(h);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(::GetPropW(hwnd, kObjectProp)) : nullptr;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropW(hwnd, kObjectProp, this);
}

void CWnd::Detach() {
    if (m_hWnd) ::RemovePropW(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
}

std::wstring CWnd::GetWindowText() const {
    int len = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buf(len + 1);
    ::GetWindowTextW(m_hWnd, buf.data(), len + 1);
    return buf.data();
}

std::wstring CWnd::GetDlgItemText(int id) const {
    HWND item = GetDlgItem(id);
    if (!item) return std::wstring();
    int len = ::GetWindowTextLengthW(item);
    std::vector<wchar_t> buf(len + 1);
    ::GetWindowTextW(item, buf.data(), len + 1);
    return buf.data();
}

RECT CWnd::GetClientRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r;
}

RECT CWnd::GetWindowRect() const {
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return r;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
