#pragma once
// The screensaver's board: full screen (topmost, layered, no cursor) or a
// child filling the preview box. Every 40 ms it draws live facts in green
// over the chosen background; every second it samples four usage graphs.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/CDialogEx.h"
#include "framework/GdiPlus.h"
#include "framework/Handles.h"
#include "screensaver/core/BoardLayout.h"
#include "screensaver/core/StarField.h"
#include "settings/CWindowContext.h"

class CCollectors;

// What the slower panels show; read once a second, since none of it changes
// faster (event logs, wireless networks, process and thread counts, quota).
struct BoardFacts {
    struct Events {
        std::vector<std::wstring> times, sources, ids, types;
    };
    Events application, system;
    std::vector<std::wstring> ssids, signals;
    std::vector<bool> connected, secured;
    int processes = 0;
    std::wstring threads;
    DWORD registryUsed = 0xFFFFFFFF, registryAllowed = 0xFFFFFFFF;
};

class CScreensaverDlg : public CDialogEx {
public:
    // `parent` is the preview box, or nullptr for full screen. The context's
    // collectors must be built.
    CScreensaverDlg(HWND parent, const CWindowContext& ctx);
    ~CScreensaverDlg() override;

    bool IsPreview() const { return m_parentWnd != nullptr; }
    // Frames drawn so far; also kept in the window's user data, where a
    // benchmark can read it from outside.
    uint32_t FramesDrawn() const { return m_frames; }

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void Sample();
    void ReadFacts();
    void Close();

    // Draws one frame into the back buffer and shows it.
    void DrawFrame(HDC paintDc);
    bool EnsureBuffer();
    // The panels change at most once a second (clock, samples): they are
    // drawn into a see-through layer when something on them changed, and
    // the layer is laid over the background in every frame.
    void UpdatePanelLayer();
    void BlendPanelLayer();
    void DrawBackground(Gdiplus::Graphics& g);
    void DrawStars();
    void FillPixels(uint32_t argb);
    void DrawPanels(Gdiplus::Graphics& g);
    void DrawEvents(Gdiplus::Graphics& g, const PanelRect& r, const BoardFacts::Events& e);
    void DrawGraph(Gdiplus::Graphics& g, const PanelRect& r, std::vector<int>& history, const std::wstring& title);
    void DrawPoint(Gdiplus::Graphics& g, const std::wstring& text, float x, float y);
    void DrawBox(Gdiplus::Graphics& g, const std::wstring& text, float x, float y, const PanelRect& panel);

    HWND m_parentWnd;
    CSettingsStore& m_settings;
    const CTranslate& m_texts;
    CCollectors& m_collectors;
    HICON m_icon;

    std::wstring m_systemText, m_processorText, m_memoryText, m_graphicsText, m_lastBootText;
    std::vector<int> m_cpuHistory, m_memoryHistory, m_networkHistory, m_storageHistory;
    float m_sampleStep = 0, m_gridStep = 0, m_gridOffset = 0;
    BoardFacts m_facts;

    int m_width = 0, m_height = 0;
    BoardMetrics m_metrics;
    BoardLayout m_layout;
    CFontHandle m_panelFont;
    std::unique_ptr<Gdiplus::Font> m_font;
    std::unique_ptr<Gdiplus::StringFormat> m_boxFormat;
    std::wstring m_background;
    std::unique_ptr<Gdiplus::Bitmap> m_picture;
    PictureRect m_pictureRect;
    std::vector<uint32_t> m_pictureScaled;  // the picture at screen size, made once
    std::vector<STAR> m_stars;
    size_t m_starLimit = 0;

    // Back buffer: a 32-bit top-down DIB section kept while the size stays.
    HDC m_memDc = nullptr;
    CBitmapHandle m_dib;
    HGDIOBJ m_oldBitmap = nullptr;
    uint32_t* m_bits = nullptr;
    int m_bufferWidth = 0, m_bufferHeight = 0;
    std::unique_ptr<Gdiplus::Bitmap> m_canvas;  // GDI+ view of the same pixels
    CBitmapHandle m_panelDib;
    uint32_t* m_panelPixels = nullptr;            // premultiplied, 0 where nothing is drawn
    std::unique_ptr<Gdiplus::Bitmap> m_panelLayer;
    bool m_panelsChanged = true;
    int64_t m_panelSecond = -1;  // the clock second the layer shows
    // Full screen over an opaque background is an ordinary topmost popup;
    // only "transparent" needs the per-pixel alpha of a layered window.
    bool m_layered = false;

    uint32_t m_frames = 0;
};
