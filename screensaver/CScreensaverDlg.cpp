#include "screensaver/CScreensaverDlg.h"

#include <psapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "collectors/CCollectors.h"
#include "common/Format.h"
#include "resources/screensaver/resource.h"
#include "screensaver/CSettings.h"
#include "screensaver/core/PixelBuffer.h"
#include "settings/CSettingsStore.h"
#include "settings/CTranslate.h"

namespace {

constexpr UINT kSampleMs = 1000;
constexpr UINT kFrameMs = 40;
// Mouse-move messages a full-screen run ignores before it ends: the window
// gets some on its own when it appears under the cursor, and a nudged desk
// should not end it.
constexpr int kIgnoredMouseMoves = 10;
int g_mouseMoves = 0;  // counted for the whole process

// Premultiplied ARGB words of the back buffer.
constexpr uint32_t kOpaqueBlack = 0xFF000000;
constexpr uint32_t kClearBlack = 0x01000000;  // alpha 1: see-through, yet still hit by the mouse
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

const Gdiplus::Color kPanelGreen(255, 0, 255, 0);
const Gdiplus::Color kGridGreen(255, 0, 128, 64);

int ProcessCount() {
    DWORD ids[1024];  // 4096 bytes
    DWORD bytes = 0;
    if (!::EnumProcesses(ids, sizeof(ids), &bytes)) return 0;
    return static_cast<int>(bytes / sizeof(DWORD));
}

}  // namespace

CScreensaverDlg::CScreensaverDlg(HWND parent, const CWindowContext& ctx)
    : CDialogEx(parent ? IDD_SCR_PREVIEW : IDD_SCR_FULLSCREEN), m_parentWnd(parent), m_settings(ctx.settings),
      m_texts(ctx.texts), m_collectors(*ctx.collectors) {
    const CSoftware& os = m_collectors.Software();
    m_systemText = FormatSystemText(os.GetWindowsName(), os.GetEdition(), os.GetServicePack(), os.GetBitness() == L"64",
                                    m_texts.Text(20));
    m_processorText = m_collectors.Cpu().GetProcessorName();
    m_memoryText = m_collectors.Memory().GetInstalledMemory() + L" " + m_collectors.Memory().GetMemoryType();
    m_graphicsText = m_collectors.Graphics().GetAdapterName();
    m_lastBootText = m_texts.Text(14) + L": " + os.GetLastBootTime();

    m_icon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_SCR_MAINFRAME),
                                             IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

CScreensaverDlg::~CScreensaverDlg() {
    m_canvas.reset();
    m_panelLayer.reset();
    if (m_memDc) {
        ::SelectObject(m_memDc, m_oldBitmap);
        ::DeleteDC(m_memDc);
    }
}

BOOL CScreensaverDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    m_picture = LoadPngResource(IDB_SCR_CITY);
    m_background = m_settings.GetString(L"strBackground");

    if (IsPreview()) {
        RECT parent{};
        ::GetClientRect(m_parentWnd, &parent);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, parent.right - parent.left, parent.bottom - parent.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    } else {
        // Layered before it is shown: it shows nothing until its first frame.
        if (m_background == kBackgroundTransparent) {
            m_layered = true;
            ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        }
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                       SWP_SHOWWINDOW);
        ::ShowCursor(FALSE);
    }

    const RECT client = GetClientRect();
    m_width = client.right - client.left;
    m_height = client.bottom - client.top;
    m_metrics = ComputeBoardMetrics(m_width);
    m_layout = LayOutBoard(m_width, m_height, m_metrics);

    LOGFONTW lf{};
    HFONT templateFont = GetFont();
    if (!templateFont || !::GetObjectW(templateFont, sizeof(lf), &lf)) {
        wcscpy_s(lf.lfFaceName, L"MS Shell Dlg");
    }
    lf.lfHeight = m_metrics.fontHeight;  // positive: the cell height
    lf.lfWidth = 0;
    m_panelFont.Reset(::CreateFontIndirectW(&lf));
    HDC dc = ::GetDC(m_hWnd);
    m_font = std::make_unique<Gdiplus::Font>(dc, m_panelFont.Get());
    ::ReleaseDC(m_hWnd, dc);
    m_boxFormat = std::make_unique<Gdiplus::StringFormat>();
    m_boxFormat->SetTrimming(Gdiplus::StringTrimmingEllipsisWord);
    m_boxFormat->SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);

    if (m_picture) m_pictureRect = CoverFit(m_width, m_height, m_picture->GetWidth(), m_picture->GetHeight());
    m_starLimit = StarLimit(m_width, m_height);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    ReadFacts();
    SetTimer(IDT_SCR_SAMPLE, kSampleMs);
    SetTimer(IDT_SCR_FRAME, kFrameMs);
    return TRUE;
}

void CScreensaverDlg::Close() {
    if (IsPreview()) return;
    KillTimer(IDT_SCR_SAMPLE);
    KillTimer(IDT_SCR_FRAME);
    EndDialog(IDCANCEL);
}

void CScreensaverDlg::OnOK() {
    if (!IsPreview()) EndDialog(IDOK);
}

void CScreensaverDlg::OnCancel() {
    if (!IsPreview()) EndDialog(IDCANCEL);
}

bool CScreensaverDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!IsPreview() && ++g_mouseMoves > kIgnoredMouseMoves) Close();
            return true;
        case WM_KEYDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            Close();
            return true;
        case WM_GETDLGCODE:
            // Every key reaches WM_KEYDOWN, arrows and Tab included.
            if (IsPreview()) return false;
            *result = DLGC_WANTALLKEYS;
            return true;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_MONITORPOWER && lp == 2) Close();
            return false;
        case WM_ERASEBKGND:
            *result = 1;  // every pixel is painted by the frame
            return true;
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<LRESULT>(m_icon);
            return true;
        case WM_DESTROY:
            if (!IsPreview()) ::ShowCursor(TRUE);
            return CDialogEx::OnMessage(msg, wp, lp, result);
        default:
            return CDialogEx::OnMessage(msg, wp, lp, result);
    }
}

void CScreensaverDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_SCR_SAMPLE) {
        Sample();
        ReadFacts();
        return;
    }
    if (m_layered) {
        // A layered window gets no WM_PAINT: the frame goes straight to it.
        DrawFrame(nullptr);
    } else {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

bool CScreensaverDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    DrawFrame(dc);
    ::EndPaint(m_hWnd, &ps);
    return true;
}

void CScreensaverDlg::Sample() {
    const int cpu = m_collectors.Cpu().GetUsage();
    m_cpuHistory.push_back(100 - cpu);
    const int load = m_collectors.Memory().GetMemoryLoad();
    m_memoryHistory.push_back(100 - load);
    const int net = m_collectors.Network().GetUsage();
    m_networkHistory.push_back(100 - net);
    m_storageHistory.push_back(m_collectors.Storage().GetIdleTime());
    m_gridOffset = AdvanceGridOffset(m_gridOffset, m_sampleStep, m_gridStep);
    m_panelsChanged = true;
}

void CScreensaverDlg::ReadFacts() {
    BoardFacts f;
    const CSoftware& os = m_collectors.Software();
    os.ReadEventLog(L"Application", f.application.times, f.application.sources, f.application.ids, f.application.types);
    os.ReadEventLog(L"System", f.system.times, f.system.sources, f.system.ids, f.system.types);
    m_collectors.Network().GetWirelessNetworks(f.ssids, f.connected, f.signals, f.secured);
    f.processes = ProcessCount();
    f.threads = os.GetThreadTotal();
    DWORD used = 0xFFFFFFFF, allowed = 0xFFFFFFFF;
    if (::GetSystemRegistryQuota(&allowed, &used)) {
        f.registryUsed = used;
        f.registryAllowed = allowed;
    }
    m_facts = std::move(f);
    m_panelsChanged = true;
}

// ---- drawing --------------------------------------------------------------

bool CScreensaverDlg::EnsureBuffer() {
    if (m_bits && m_bufferWidth == m_width && m_bufferHeight == m_height) return true;
    m_canvas.reset();
    m_panelLayer.reset();
    m_panelPixels = nullptr;
    m_panelDib.Reset();
    if (m_memDc) {
        ::SelectObject(m_memDc, m_oldBitmap);
        ::DeleteDC(m_memDc);
        m_memDc = nullptr;
    }
    m_dib.Reset();
    m_bits = nullptr;
    if (m_width <= 0 || m_height <= 0) return false;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = m_width;
    bi.bmiHeader.biHeight = -m_height;  // top-down: row 0 is the top
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    void* panelBits = nullptr;
    HDC screen = ::GetDC(nullptr);
    m_dib.Reset(::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_panelDib.Reset(::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &panelBits, nullptr, 0));
    m_memDc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (!m_dib || !m_panelDib || !m_memDc || !bits || !panelBits) return false;
    m_oldBitmap = ::SelectObject(m_memDc, m_dib.Get());
    m_bits = static_cast<uint32_t*>(bits);
    m_bufferWidth = m_width;
    m_bufferHeight = m_height;
    m_canvas = std::make_unique<Gdiplus::Bitmap>(m_width, m_height, m_width * 4, PixelFormat32bppPARGB,
                                                 reinterpret_cast<BYTE*>(m_bits));
    m_panelPixels = static_cast<uint32_t*>(panelBits);
    m_panelLayer = std::make_unique<Gdiplus::Bitmap>(m_width, m_height, m_width * 4, PixelFormat32bppPARGB,
                                                     reinterpret_cast<BYTE*>(m_panelPixels));
    m_panelsChanged = true;
    return true;
}

void CScreensaverDlg::UpdatePanelLayer() {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const int64_t second =
        static_cast<int64_t>((static_cast<uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) / 10000000);
    if (!m_panelsChanged && second == m_panelSecond) return;
    m_panelsChanged = false;
    m_panelSecond = second;
    std::fill(m_panelPixels, m_panelPixels + size_t(m_width) * m_height, 0u);
    Gdiplus::Graphics g(m_panelLayer.get());
    DrawPanels(g);
}

void CScreensaverDlg::BlendPanelLayer() { BlendOver(m_bits, m_panelPixels, size_t(m_width) * m_height); }

void CScreensaverDlg::DrawFrame(HDC paintDc) {
    if (!EnsureBuffer()) return;
    {
        Gdiplus::Graphics g(m_canvas.get());
        DrawBackground(g);
    }
    UpdatePanelLayer();
    BlendPanelLayer();
    if (!m_layered) {
        if (paintDc) ::BitBlt(paintDc, 0, 0, m_width, m_height, m_memDc, 0, 0, SRCCOPY);
    } else {
        POINT origin{0, 0};
        SIZE size{m_width, m_height};
        POINT source{0, 0};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        ::UpdateLayeredWindow(m_hWnd, nullptr, &origin, &size, m_memDc, &source, 0, &blend, ULW_ALPHA);
    }
    ++m_frames;
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, static_cast<LONG_PTR>(m_frames));
}

void CScreensaverDlg::FillPixels(uint32_t argb) { std::fill(m_bits, m_bits + size_t(m_width) * m_height, argb); }

void CScreensaverDlg::DrawBackground(Gdiplus::Graphics& g) {
    if (m_background == kBackgroundTransparent) {
        FillPixels(kClearBlack);
    } else if (m_background == kBackgroundSpace) {
        DrawStars();
    } else if (m_background == kBackgroundCity) {
        if (m_pictureScaled.empty()) {
            // Scaling the large picture is the slow part: do it once and copy
            // the result in every frame.
            FillPixels(kOpaqueBlack);
            if (m_picture) {
                g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                g.DrawImage(m_picture.get(), m_pictureRect.x, m_pictureRect.y, m_pictureRect.w, m_pictureRect.h);
                g.SetInterpolationMode(Gdiplus::InterpolationModeDefault);
            }
            m_pictureScaled.assign(m_bits, m_bits + size_t(m_width) * m_height);
        } else {
            std::memcpy(m_bits, m_pictureScaled.data(), m_pictureScaled.size() * sizeof(uint32_t));
        }
    } else {
        FillPixels(kOpaqueBlack);
    }
}

void CScreensaverDlg::DrawStars() {
    FillPixels(kOpaqueBlack);
    SpawnStars(m_stars, m_width, m_height, m_starLimit, [] { return std::rand() & 0x7FFF; });
    MoveStars(m_stars, m_width, m_height);
    // Written straight into the buffer: one GDI+ call per star would cost
    // more than the rest of the frame.
    FillStars(m_bits, m_width, m_height, m_stars, kOpaqueWhite);
}

void CScreensaverDlg::DrawPoint(Gdiplus::Graphics& g, const std::wstring& text, float x, float y) {
    if (text.empty() || !m_font) return;
    Gdiplus::SolidBrush brush(kPanelGreen);
    g.DrawString(text.c_str(), static_cast<INT>(text.size()), m_font.get(), Gdiplus::PointF(x, y), &brush);
}

void CScreensaverDlg::DrawBox(Gdiplus::Graphics& g, const std::wstring& text, float x, float y, const PanelRect& panel) {
    if (text.empty() || !m_font) return;
    Gdiplus::SolidBrush brush(kPanelGreen);
    const Gdiplus::RectF box(x, y, panel.w - 2 * m_metrics.s - 2 * m_metrics.pad,
                             static_cast<Gdiplus::REAL>(m_metrics.fontHeight));
    g.DrawString(text.c_str(), static_cast<INT>(text.size()), m_font.get(), box, m_boxFormat.get(), &brush);
}

void CScreensaverDlg::DrawEvents(Gdiplus::Graphics& g, const PanelRect& r, const BoardFacts::Events& e) {
    const float fh = static_cast<float>(m_metrics.fontHeight);
    const float x = r.x + m_metrics.pad;
    float y = r.y + m_metrics.pad;
    const size_t n = std::min({e.times.size(), e.sources.size(), e.ids.size(), e.types.size()});
    for (size_t i = 0; i < n; ++i) {
        if (i >= 1) y += fh * 0.8f;
        DrawPoint(g, e.times[i], x, y);
        DrawBox(g, e.sources[i], x, y + fh, r);
        DrawPoint(g, e.types[i] + L" " + e.ids[i], x, y + 2 * fh);
        y += 3 * fh;
    }
}

void CScreensaverDlg::DrawGraph(Gdiplus::Graphics& g, const PanelRect& r, std::vector<int>& history,
                                const std::wstring& title) {
    TrimHistory(history);
    const GraphGeometry geo = LayOutGraph(r, m_metrics.s, m_gridOffset, history);
    m_sampleStep = geo.sampleStep;
    m_gridStep = geo.gridStep;

    Gdiplus::Pen grid(kGridGreen, 1.0f);
    for (const GraphLine& l : geo.grid) g.DrawLine(&grid, l.x1, l.y1, l.x2, l.y2);
    DrawPoint(g, title, r.x + m_metrics.s + m_metrics.pad, r.y + m_metrics.s + m_metrics.pad);
    if (geo.curve.empty()) return;
    Gdiplus::GraphicsPath path;
    for (const GraphLine& l : geo.curve) path.AddLine(l.x1, l.y1, l.x2, l.y2);
    Gdiplus::Pen pen(kPanelGreen, m_metrics.s);
    g.DrawPath(&pen, &path);
}

void CScreensaverDlg::DrawPanels(Gdiplus::Graphics& g) {
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    const float fh = static_cast<float>(m_metrics.fontHeight);
    const float pitch = 1.5f * fh;
    const float pad = m_metrics.pad;
    const BoardLayout& b = m_layout;

    DrawEvents(g, b.applicationEvents, m_facts.application);
    DrawEvents(g, b.systemEvents, m_facts.system);

    DrawGraph(g, b.cpu, m_cpuHistory, m_texts.Text(7));
    DrawGraph(g, b.memory, m_memoryHistory, m_texts.Text(8));
    DrawGraph(g, b.network, m_networkHistory, m_texts.Text(9));
    DrawGraph(g, b.storage, m_storageHistory, m_texts.Text(10));

    {  // operating-system metrics
        const PanelRect& r = b.osMetrics;
        const float x = r.x + pad;
        float y = r.y + pad;
        DrawPoint(g, m_texts.Text(13) + L": " + FormatUpTime(::GetTickCount64()), x, y);
        DrawBox(g, m_lastBootText, x, y += pitch, r);
        DrawPoint(g, m_texts.Text(15) + L": " + Format(L"%d", m_facts.processes), x, y += pitch);
        DrawPoint(g, m_texts.Text(16) + L": " + m_facts.threads, x, y += pitch);
        DrawBox(g, m_texts.Text(17) + L": ", x, y += pitch, r);
        DrawPoint(g, FormatRegistryQuota(m_facts.registryUsed, m_facts.registryAllowed), x, y + fh);
    }
    {  // wireless networks
        const PanelRect& r = b.wireless;
        float y = r.y + pad;
        const size_t n = std::min({m_facts.ssids.size(), m_facts.signals.size(), m_facts.secured.size(),
                                   m_facts.connected.size()});
        for (size_t i = 0; i < n; ++i, y += pitch)
            DrawBox(g,
                    FormatWirelessLine(m_facts.ssids[i], m_facts.signals[i], m_facts.secured[i], m_facts.connected[i],
                                       m_texts.Text(18), m_texts.Text(19)),
                    r.x + pad, y, r);
    }
    {  // system summary
        const PanelRect& r = b.summary;
        const float x = r.x + pad;
        float y = r.y + pad;
        DrawPoint(g, m_systemText, x, y);
        DrawBox(g, m_processorText, x, y += pitch, r);
        DrawPoint(g, m_memoryText, x, y += pitch);
        DrawPoint(g, m_graphicsText, x, y += pitch);
    }
    {  // date and time
        const PanelRect& r = b.dateTime;
        const float x = r.x + pad;
        float y = r.y + pad;
        DrawPoint(g, m_texts.Text(21) + L": " + m_collectors.DateTime().GetTimeText(), x, y);
        DrawPoint(g, m_texts.Text(22) + L": " + m_collectors.DateTime().GetDateText(), x, y += pitch);
        DrawPoint(g, m_texts.Text(23) + L": " + m_collectors.DateTime().GetWeekday(), x, y += pitch);
        DrawBox(g, m_texts.Text(24) + L":", x, y += pitch, r);
        DrawPoint(g, m_collectors.DateTime().GetTimeZone(), x, y += fh);
        DrawPoint(g, m_texts.Text(25) + L": " + m_collectors.DateTime().GetDayOfYear(), x, y += pitch);
        DrawPoint(g, m_texts.Text(26) + L": " + m_collectors.DateTime().GetWeekNumber(), x, y += pitch);
        DrawBox(g, m_texts.Text(12) + L": " + m_collectors.DateTime().GetUnixTime(), x, y += pitch, r);
    }
}
