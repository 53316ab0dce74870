#include "framework/CDialogEx.h"

#include "framework/CWinApp.h"

CDialogEx::CDialogEx(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

HWND CDialogEx::ParentHwnd() const {
    if (m_parent) return m_parent->m_hWnd;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != this) return app->m_pMainWnd->m_hWnd;
    return nullptr;
}

INT_PTR CDialogEx::DoModal() {
    m_modal = true;
    INT_PTR r = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), ParentHwnd(),
                                  DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return r;
}

BOOL CDialogEx::Create(UINT templateId, CWnd* parent) {
    m_parent = parent;
    return Create(templateId, parent ? parent->m_hWnd : nullptr);
}

BOOL CDialogEx::Create(UINT templateId, HWND parent) {
    m_templateId = templateId;
    m_modal = false;
    HWND h = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, DialogProc,
                                  reinterpret_cast<LPARAM>(this));
    return h != nullptr;
}

void CDialogEx::EndDialog(INT_PTR result) {
    if (!m_hWnd) return;
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow();
}

bool CDialogEx::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_INITDIALOG:
            *result = OnInitDialog();
            return true;
        case WM_COMMAND: {
            if (lp && ReflectToChild(reinterpret_cast<HWND>(lp), msg, wp, lp, result)) return true;
            const UINT id = LOWORD(wp);
            if (OnCommand(id, HIWORD(wp), reinterpret_cast<HWND>(lp))) return true;
            if (id == IDOK) {
                OnOK();
                return true;
            }
            if (id == IDCANCEL) {
                OnCancel();
                return true;
            }
            return false;
        }
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lp);
            if (hdr && ReflectToChild(hdr->hwndFrom, msg, wp, lp, result)) return true;
            return OnNotify(hdr, result);
        }
        case WM_TIMER:
            OnTimer(wp);
            return true;
        case WM_PAINT:
            return OnPaint();
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR: {
            if (msg != WM_CTLCOLORDLG && ReflectToChild(reinterpret_cast<HWND>(lp), msg, wp, lp, result)) return true;
            HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg);
            if (!brush) return false;
            *result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        case WM_DESTROY:
            OnDestroy();
            return false;
        default:
            return false;
    }
}

INT_PTR CALLBACK CDialogEx::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CDialogEx* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialogEx*>(lp);
        self->Attach(hwnd);
    } else {
        self = static_cast<CDialogEx*>(FromHandlePermanent(hwnd));
    }
    if (!self) return FALSE;

    LRESULT result = 0;
    const bool handled = self->OnMessage(msg, wp, lp, &result);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    if (!handled) return FALSE;
    switch (msg) {
        // These return their result directly instead of through DWLP_MSGRESULT.
        case WM_INITDIALOG:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return static_cast<INT_PTR>(result);
        default:
            ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
            return TRUE;
    }
}
