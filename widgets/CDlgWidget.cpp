#include "widgets/CDlgWidget.h"

#include <windowsx.h>

#include <cstring>

#include "resources/resource.h"
#include "widgets/CWidgetManager.h"
#include "widgets/CWidgetRenderer.h"
#include "widgets/KeyState_win.h"

CDlgWidget::CDlgWidget(const CWindowContext& ctx, CWidgetManager& manager)
    : CStyledDialog(ctx, IDD_WIDGET), m_manager(manager), m_keys(&CAsyncKeyState::Instance()) {}

CDlgWidget::~CDlgWidget() {
    if (m_hWnd) DestroyWindow();
    ReleaseCanvas();
}

void CDlgWidget::SetKeyState(const KeyStateSource* keys) { m_keys = keys ? keys : &CAsyncKeyState::Instance(); }

const WidgetSettings& CDlgWidget::Settings() const { return m_manager.Settings(m_index); }

BOOL CDlgWidget::CreateWidget(size_t index, const std::wstring& kind) {
    m_index = index;
    m_kind = kind;
    m_state.History.clear();
    m_state.History.shrink_to_fit();
    m_kindInfo = FindWidgetKind(kind);
    m_renderer = m_kindInfo ? MakeWidgetRenderer(*m_kindInfo) : nullptr;
    m_dirty = true;
    return Create(IDD_WIDGET, ::GetDesktopWindow());
}

void CDlgWidget::MeasureKind() {
    m_width = m_kindInfo ? m_kindInfo->Width : 0;
    m_height = m_kindInfo ? m_kindInfo->Height : 0;
    if (m_kind == L"Drives") m_height = PanelHeightForLines(LogicalDriveRoots().size());
}

BOOL CDlgWidget::OnInitDialog() {
    CStyledDialog::OnInitDialog();

    LOGFONTW lf{};
    HFONT dialogFont = GetFont();
    if (!dialogFont || !::GetObjectW(dialogFont, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = kTextCellHeight;
    HDC screen = ::GetDC(nullptr);
    m_font = std::make_unique<Gdiplus::Font>(screen, &lf);
    ::ReleaseDC(nullptr, screen);
    if (m_font->GetLastStatus() != Gdiplus::Ok) m_font.reset();

    MeasureKind();
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const WidgetSettings& s = Settings();
    // An unplaced widget opens centred at the top; that spot is not written
    // back until the user moves it.
    const WidgetPosition at = OpeningPosition(s.X, s.Y, work.left, work.right, m_width);
    m_current = {at.X, at.Y};
    ::SetWindowPos(m_hWnd, nullptr, m_current.x, m_current.y, m_width, m_height, SWP_NOZORDER | SWP_NOACTIVATE);

    m_framePeriod = m_kindInfo ? m_kindInfo->PeriodMs : 1000;
    m_timerPeriod = m_framePeriod;
    m_quietFrames = 0;
    SetTimer(kRedrawTimer, m_timerPeriod);

    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    ApplySettings();
    return TRUE;
}

void CDlgWidget::ApplySettings() {
    const WidgetSettings& s = Settings();
    m_colors = MakeWidgetColors(s.Color);
    m_background = s.BG;
    m_alpha = WidgetConstantAlpha(s.Opacity);
    m_dirty = true;
    if (!m_hWnd) return;
    ApplyClickThrough();
    ApplyZOrder();
    // A shown widget shows the change now, not when its timer next wakes.
    if (::IsWindowVisible(m_hWnd)) Present(nullptr);
    // Only a widget on top has anything to re-assert; one on the desktop
    // does not wake the program 25 times a second for nothing.
    if (s.Top)
        SetTimer(kTopmostTimer, kTopmostPeriodMs);
    else
        KillTimer(kTopmostTimer);
}

void CDlgWidget::ApplyClickThrough() const {
    // A fixed widget lets the mouse through to what lies below it.
    LONG_PTR ex = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    ex = Settings().Moveable ? ex & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT) : ex | WS_EX_TRANSPARENT;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, ex);
}

void CDlgWidget::ApplyZOrder() const {
    ::SetWindowPos(m_hWnd, Settings().Top ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CDlgWidget::Resize(int height) {
    if (height == m_height) return;
    m_height = height;
    m_dirty = true;
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, m_current.x, m_current.y, m_width, m_height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgWidget::OnTimer(UINT_PTR id) {
    if (id == kTopmostTimer) {
        if (Settings().Top)
            ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    ++m_wakeups;
    // The frames the timer slept through would have shown what is on the
    // screen already; they only move the animation's clock on.
    for (; m_quietFrames > 0; --m_quietFrames) {
        AdvanceFrame();
        ++m_framesSkipped;
    }
    // The layered window shows what the last frame handed over; there is
    // no paint cycle to go through.
    RenderFrame(nullptr);
    ScheduleNextFrame();
}

void CDlgWidget::ScheduleNextFrame() {
    m_quietFrames = m_renderer ? m_renderer->QuietFrames(*this) : 0;
    const UINT period = m_framePeriod * static_cast<UINT>(m_quietFrames + 1);
    if (period == m_timerPeriod) return;
    m_timerPeriod = period;
    SetTimer(kRedrawTimer, period);
}

bool CDlgWidget::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    // The timer draws the frames; a paint only makes up for one not drawn yet.
    if (m_dirty) RenderFrame(dc);
    ::EndPaint(m_hWnd, &ps);
    return true;
}

bool CDlgWidget::AdvanceFrame() { return m_renderer ? m_renderer->Advance(*this) : false; }

void CDlgWidget::DrawFrame(Gdiplus::Graphics& graphics, bool useCaches) {
    if (m_renderer) m_renderer->Draw(graphics, *this, useCaches);
}

void CDlgWidget::RenderFrame(HDC dc) {
    const RECT r = GetWindowRect();
    if (r.left != m_current.x || r.top != m_current.y) m_current = {r.left, r.top};

    // A frame that would show the same pixels as the last one is left out:
    // the window keeps showing that one.
    const bool changed = AdvanceFrame();
    if (!changed && !m_dirty) {
        ++m_framesSkipped;
        return;
    }
    Present(dc);
}

bool CDlgWidget::EnsureCanvas(HDC dc) {
    if (m_canvas && m_canvasWidth == m_width && m_canvasHeight == m_height) return true;
    ReleaseCanvas();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = m_width;
    bi.bmiHeader.biHeight = -m_height;  // top-down: the rows are in drawing order
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    m_canvas = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &m_canvasBits, nullptr, 0);
    m_canvasDc = m_canvas && m_canvasBits ? ::CreateCompatibleDC(dc) : nullptr;
    if (!m_canvasDc) {
        ReleaseCanvas();
        return false;
    }
    m_canvasOld = ::SelectObject(m_canvasDc, m_canvas);
    m_canvasWidth = m_width;
    m_canvasHeight = m_height;
    return true;
}

void CDlgWidget::ReleaseCanvas() {
    if (m_canvasDc) {
        ::SelectObject(m_canvasDc, m_canvasOld);
        ::DeleteDC(m_canvasDc);
    }
    if (m_canvas) ::DeleteObject(m_canvas);
    m_canvasDc = nullptr;
    m_canvas = nullptr;
    m_canvasOld = nullptr;
    m_canvasBits = nullptr;
    m_canvasWidth = m_canvasHeight = 0;
}

void CDlgWidget::DrawCanvas(BYTE* bits) {
    // Every frame starts fully transparent, or at once with the layer it
    // would lay down first.
    if (!m_renderer || !m_renderer->PaintBase(*this, bits, m_width * 4))
        std::memset(bits, 0, static_cast<size_t>(m_width) * static_cast<size_t>(m_height) * 4);
    // GDI+ writes premultiplied alpha straight into the pixels, which is
    // what the layered window takes.
    Gdiplus::Bitmap canvas(m_width, m_height, m_width * 4, PixelFormat32bppPARGB, bits);
    Gdiplus::Graphics graphics(&canvas);
    DrawFrame(graphics);
}

void CDlgWidget::Present(HDC dc) {
    if (m_width <= 0 || m_height <= 0 || !EnsureCanvas(dc)) return;
    const RECT r = GetWindowRect();
    DrawCanvas(static_cast<BYTE*>(m_canvasBits));
    POINT to{r.left, r.top};
    SIZE size{m_width, m_height};
    POINT from{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, m_alpha, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, dc, &to, &size, m_canvasDc, &from, 0, &blend, ULW_ALPHA);
    m_dirty = false;
    ++m_framesDrawn;
}

void CDlgWidget::WritePositionBack() {
    const RECT r = GetWindowRect();
    m_current = {r.left, r.top};
    WidgetSettings& s = m_manager.Settings(m_index);
    s.X = m_current.x;
    s.Y = m_current.y;
    m_manager.SaveWidget(m_index);
}

bool CDlgWidget::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_ERASEBKGND:
            *result = 1;  // everything is drawn into the layered bitmap
            return true;
        case WM_LBUTTONDOWN: {
            // Let the window manager move the window as if by its caption.
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ::ClientToScreen(m_hWnd, &p);
            PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
            return false;
        }
        case WM_EXITSIZEMOVE:
            // The move loop ended: the window stands where the user left it.
            WritePositionBack();
            return false;
        case WM_ACTIVATEAPP:
            if (wp && Settings().Top)
                ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return false;
        case WM_SETFOCUS:
            if (!Settings().Top)
                ::SetWindowPos(m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return false;
        default:
            return CStyledDialog::OnMessage(msg, wp, lp, result);
    }
}

void CDlgWidget::OnDestroy() {
    KillTimer(kRedrawTimer);
    KillTimer(kTopmostTimer);
    ReleaseCanvas();
    // The object may outlive GDI+; its font must not.
    m_font.reset();
}
