#pragma once
// The usage history graph: a green curve of past samples over a grid whose
// vertical lines drift left by a pixel with every paint. A child of a
// monitor window.
//
// The grid of every phase is drawn once, as a strip a little wider than the
// graph; each paint copies the part of it its phase shows and draws the
// curve over it.
#include <windows.h>

#include <vector>

#include "framework/CMemoryBitmap.h"
#include "pages/CUsageControl.h"

class CDlgCtrlUsageHistory : public CUsageControl {
public:
    CDlgCtrlUsageHistory();
    ~CDlgCtrlUsageHistory() override;

    // Oldest first; each is 100 minus the usage in percent (the distance
    // from the top in percent of the height).
    std::vector<int> samples;
    // Offset of the vertical grid lines, 0..10.
    int gridPhase = 0;

    // Appends a sample. Only as many as the graph has pixel columns are
    // kept, so a window that stays hidden (and never paints) does not grow.
    void AppendSample(int sample);
    // Draws the whole graph into `dc` (width x height) as a paint does:
    // moves the grid on and trims the samples to the width. False when GDI+
    // could not draw on the device context.
    bool Render(HDC dc, int width, int height);

protected:
    bool Draw(HDC dc, int width, int height) override;

private:
    // The grid strip for this size, drawn when missing.
    bool PrepareGrid(HDC like, int width, int height);

    CMemoryBitmap m_grid;
};
