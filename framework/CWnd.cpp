#include "framework/CWnd.h"

#include <commctrl.h>

#include <vector>

namespace {
const wchar_t kObjectProp[] = L"OrvanelCWnd";
const UINT_PTR kControlSubclassId = 0x4F52564C;  // 'ORVL'
}  // namespace

CWnd::~CWnd() {
    // A control belongs to its dialog: let go of it, leave it standing.
    if (m_subclassed) ReleaseControl();
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

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

bool CWnd::SubclassDlgItem(int id, HWND dialog) {
    HWND h = ::GetDlgItem(dialog, id);
    if (!h || m_hWnd) return false;
    Attach(h);
    m_subclassed = ::SetWindowSubclass(h, ControlProc, kControlSubclassId, 0) != FALSE;
    if (!m_subclassed) Detach();
    return m_subclassed;
}

void CWnd::ReleaseControl() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::RemoveWindowSubclass(m_hWnd, ControlProc, kControlSubclassId);
    m_subclassed = false;
    Detach();
}

bool CWnd::ReflectToChild(HWND control, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    CWnd* child = FromHandlePermanent(control);
    return child && child->m_subclassed && child->OnChildNotify(msg, wp, lp, result);
}

LRESULT CALLBACK CWnd::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    CWnd* self = FromHandlePermanent(hwnd);
    if (msg == WM_NCDESTROY) {
        if (self) self->ReleaseControl();
        return ::DefSubclassProc(hwnd, msg, wp, lp);
    }
    LRESULT result = 0;
    if (self && self->OnMessage(msg, wp, lp, &result)) return result;
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}
