#pragma once
// One desktop widget: a borderless layered tool window that draws itself
// into a 32-bit bitmap with per-pixel alpha, keeps itself on the desktop or
// on top, redraws on its kind's timer and, when moveable, can be dragged.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/GdiPlus.h"
#include "settings/CStyledDialog.h"
#include "widgets/core/InputActivity.h"
#include "widgets/core/WidgetCatalogue.h"
#include "widgets/core/WidgetGeometry.h"
#include "widgets/core/WidgetSettings.h"

class CWidgetManager;
class CWidgetRenderer;

// What a widget's renderer keeps between frames. It belongs to the widget
// object, so it outlives a closed window (the history excepted).
struct WidgetState {
    NeedleState Needle;
    std::vector<int> History;
    KeyboardActivity Keyboard;
    MouseActivity Mouse;
};

class CDlgWidget : public CStyledDialog {
public:
    static constexpr UINT_PTR kRedrawTimer = 1;
    static constexpr UINT_PTR kTopmostTimer = 2;
    static constexpr UINT kTopmostPeriodMs = 40;

    CDlgWidget(const CWindowContext& ctx, CWidgetManager& manager);
    ~CDlgWidget() override;

    // Creates the window for catalogue entry `index` of kind `kind`
    // (modeless, owned by no window). The manager shows it.
    BOOL CreateWidget(size_t index, const std::wstring& kind);

    // Draws one frame and hands it to the window manager (a frame that would
    // look like the last one is left out); `dc` is the device context the
    // bitmap is made compatible with, or nullptr for the screen.
    void RenderFrame(HDC dc);
    // Draws the current frame into `graphics` without advancing any state
    // (the drawing RenderFrame hands over); without `useCaches` every part
    // is drawn afresh.
    void DrawFrame(Gdiplus::Graphics& graphics, bool useCaches = true);
    // Draws the current frame into `bits` (Width() x Height() pixels, 32-bit
    // premultiplied, rows top-down), which is what the window is handed.
    void DrawCanvas(BYTE* bits);
    // Samples the live value and moves the animation one frame on; true when
    // the next frame looks different from the last one drawn.
    bool AdvanceFrame();

    // The next RenderFrame draws even when nothing changed.
    void ForceNextFrame() { m_dirty = true; }

    // Re-reads Moveable, Top, Color, BG and Opacity from the settings and
    // applies them to the open window; the next frame shows them.
    void ApplySettings();

    // Replaces the platform's key state (tests press keys through this).
    void SetKeyState(const KeyStateSource* keys);

    size_t Index() const { return m_index; }
    const std::wstring& Kind() const { return m_kind; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    POINT CurrentPosition() const { return m_current; }
    const WidgetColors& Colors() const { return m_colors; }
    bool Background() const { return m_background; }
    BYTE ConstantAlpha() const { return m_alpha; }
    const Gdiplus::Font* DrawingFont() const { return m_font.get(); }
    WidgetState& State() { return m_state; }
    const WidgetState& ConstState() const { return m_state; }
    CWidgetManager& Manager() const { return m_manager; }
    const KeyStateSource& Keys() const { return *m_keys; }
    // Frames drawn, frames left out because nothing changed, and the times
    // the redraw timer woke the window.
    unsigned FramesDrawn() const { return m_framesDrawn; }
    unsigned FramesSkipped() const { return m_framesSkipped; }
    unsigned Wakeups() const { return m_wakeups; }

    // Sets the window's height (the wireless list grows with its networks).
    void Resize(int height);

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    void OnCancel() override {}  // Escape does not close a widget
    void OnOK() override {}
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
    void OnDestroy() override;

private:
    const WidgetSettings& Settings() const;
    void ApplyZOrder() const;
    void ApplyClickThrough() const;
    void WritePositionBack();
    // Computes size and state for a fresh window of this kind.
    void MeasureKind();
    // Draws the current state into the kept bitmap and hands it to the
    // window manager; nothing moves on.
    void Present(HDC dc);
    // The 32-bit bitmap the frames are drawn into, kept while the window's
    // size stays; false when it cannot be made.
    bool EnsureCanvas(HDC dc);
    void ReleaseCanvas();
    // Sets the redraw timer to wake at the next frame that may differ.
    void ScheduleNextFrame();

    CWidgetManager& m_manager;
    size_t m_index = 0;
    std::wstring m_kind;
    const WidgetKind* m_kindInfo = nullptr;
    std::unique_ptr<CWidgetRenderer> m_renderer;
    std::unique_ptr<Gdiplus::Font> m_font;
    int m_width = 0, m_height = 0;
    POINT m_current{};
    WidgetColors m_colors;
    bool m_background = true;
    BYTE m_alpha = 255;
    bool m_dirty = true;  // the next frame must be drawn whatever the renderer says
    WidgetState m_state;
    const KeyStateSource* m_keys;
    unsigned m_framesDrawn = 0, m_framesSkipped = 0, m_wakeups = 0;
    UINT m_framePeriod = 1000;  // the kind's period
    UINT m_timerPeriod = 0;     // what the redraw timer is set to now
    int m_quietFrames = 0;      // frames the timer sleeps through
    HDC m_canvasDc = nullptr;
    HBITMAP m_canvas = nullptr;
    HGDIOBJ m_canvasOld = nullptr;
    void* m_canvasBits = nullptr;
    int m_canvasWidth = 0, m_canvasHeight = 0;
};
