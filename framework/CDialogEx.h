#pragma once
// A dialog made from a template in the program's resources, modal (DoModal)
// or modeless (Create). Handlers are virtual; a subclass that needs a
// message without a handler of its own overrides OnMessage and calls the
// base for everything else.
#include "framework/CWnd.h"

class CDialogEx : public CWnd {
public:
    explicit CDialogEx(UINT templateId, CWnd* parent = nullptr);

    INT_PTR DoModal();
    // Creates the dialog modeless as a child or owned window of `parent`.
    BOOL Create(UINT templateId, CWnd* parent);
    BOOL Create(UINT templateId, HWND parent);
    void EndDialog(INT_PTR result);

    UINT TemplateId() const { return m_templateId; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // Return true when the window was painted (BeginPaint/EndPaint done).
    virtual bool OnPaint() { return false; }
    // A brush to colour the control, or nullptr for the platform default.
    virtual HBRUSH OnCtlColor(HDC /*dc*/, HWND /*control*/, UINT /*ctlType*/) { return nullptr; }
    // Return true when the command was handled.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR* /*hdr*/, LRESULT* /*result*/) { return false; }
    virtual void OnDestroy() {}

    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

    HWND ParentHwnd() const;

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
