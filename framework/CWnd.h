#pragma once
// A window owned by an object. The object is bound to its HWND by the one
// window or dialog procedure of the framework, which dispatches every message
// to the virtual handlers of the object. A control of a dialog is bound the
// same way (SubclassDlgItem): its messages reach OnMessage first, and the
// notifications it sends its dialog (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*)
// are offered to its OnChildNotify before the dialog handles them.
#include <windows.h>

#include <string>

#include "common/CObject.h"

class CWnd : public CObject {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object bound to a window by this framework, or nullptr.
    static CWnd* FromHandlePermanent(HWND hwnd);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const std::wstring& text) const { ::SetDlgItemTextW(m_hWnd, id, text.c_str()); }
    std::wstring GetDlgItemText(int id) const;
    void SetWindowText(const std::wstring& text) const { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageW(m_hWnd, msg, wp, lp); }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageW(m_hWnd, msg, wp, lp); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const { SendMessage(WM_SETFONT, (WPARAM)font, redraw); }
    HFONT GetFont() const { return (HFONT)SendMessage(WM_GETFONT); }
    HMENU GetMenu() const { return ::GetMenu(m_hWnd); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    virtual BOOL DestroyWindow();

    // Binds this object to the dialog's control `id` (the control stays the
    // dialog's: the object lets go of it, and does not destroy it, when it
    // dies first). False when there is no such control.
    bool SubclassDlgItem(int id, HWND dialog);

    HWND m_hWnd = nullptr;

protected:
    // Called for every message the window receives. Return true when the
    // message was handled; *result is then the message's result.
    virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    // A notification this control sent its parent, offered here first.
    // Return true when handled; *result is then the answer.
    virtual bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    // Offers a parent's notification to the object of the control `control`.
    static bool ReflectToChild(HWND control, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    // Binds the object and the window (done by the framework's procedures).
    void Attach(HWND hwnd);
    void Detach();
    // Called after WM_NCDESTROY, when the window handle is gone.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
    void ReleaseControl();

    bool m_subclassed = false;

    friend class CDialogEx;
};
