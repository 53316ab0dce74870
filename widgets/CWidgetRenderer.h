#pragma once
// What a widget draws. Four families: the level bar, the arrow gauge and the
// history graph (each told which metric it shows) and the text panels (told
// which facts). A renderer samples in Advance and draws in Draw; it keeps
// its animated state in the widget object.
#include <memory>
#include <string>
#include <vector>

#include "framework/GdiPlus.h"
#include "widgets/core/WidgetCatalogue.h"

class CDlgWidget;

class CWidgetRenderer {
public:
    virtual ~CWidgetRenderer() = default;
    // Samples what the widget shows and moves its state one frame on; true
    // when the frame to draw differs from the one drawn last.
    virtual bool Advance(CDlgWidget& widget) = 0;
    // Draws the current state; with `useCaches` parts that do not change
    // between frames may come from layers drawn earlier.
    virtual void Draw(Gdiplus::Graphics& g, CDlgWidget& widget, bool useCaches) = 0;
    // How many of the next frames are known to look like the last one and
    // to need no sample: the window may sleep through them and then let
    // Advance run for each before the next real frame.
    virtual int QuietFrames(const CDlgWidget&) const { return 0; }
    // Fills a transparent canvas of the widget's size (`stride` bytes a
    // row, premultiplied alpha) with the layer every frame starts with (the
    // frame, or the dial), by copying it; the next Draw then leaves that
    // layer out. False when it did not.
    virtual bool PaintBase(CDlgWidget&, BYTE* /*bits*/, int /*stride*/) { return false; }
};

std::unique_ptr<CWidgetRenderer> MakeWidgetRenderer(const WidgetKind& kind);

// The title and lines of a text panel, read now.
struct PanelContent {
    bool HasTitle = true;
    std::wstring Title;
    std::vector<std::wstring> Lines;
    bool operator==(const PanelContent& o) const {
        return HasTitle == o.HasTitle && Title == o.Title && Lines == o.Lines;
    }
};

// Reads the facts of a text panel kind; the keyboard and mouse panels poll
// their keys as they go. `cache` holds facts that do not change while the
// system runs (read once per window).
struct PanelCache {
    bool HaveBootTime = false;
    std::wstring BootTime;
};
PanelContent ReadPanel(const std::wstring& kind, CDlgWidget& widget, PanelCache& cache);

// The drive roots the system lists now (C:\ and so on); empty when it cannot.
std::vector<std::wstring> LogicalDriveRoots();
