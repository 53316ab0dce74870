#pragma once
// The fixed list of desktop widget kinds: their names (which are also the
// prefixes of their settings keys), window sizes, redraw periods and what
// each one draws.
#include <cstddef>
#include <string>
#include <vector>

// How a kind draws: one renderer per family, told which metric to show.
enum class WidgetFamily { LevelBar, Arrow, History, TextPanel };

// The live value a gauge or graph shows; text panels have none.
enum class WidgetMetric { None, Audio, Cpu, Gpu, Memory, Network, Storage };

struct WidgetKind {
    const wchar_t* Name;
    int Width;
    int Height;    // "Drives" and the wireless list size themselves at run time
    int PeriodMs;  // redraw timer
    WidgetFamily Family;
    WidgetMetric Metric;
    bool NeedsWindows10;  // the GPU kinds
};

// The kinds in catalogue order: 27 with the GPU kinds, 24 without.
std::vector<WidgetKind> BuildWidgetCatalogue(bool windows10OrLater);

// The kind of that exact (case-sensitive) name, or nullptr.
const WidgetKind* FindWidgetKind(const std::wstring& name);

// Position of a kind name in a catalogue, or -1.
int WidgetIndexOf(const std::vector<WidgetKind>& catalogue, const std::wstring& name);

// Text-table index of a gauge's or graph's title, or -1 where the title is the
// fixed text "GPU" (the GPU bar and arrow).
int WidgetTitleText(WidgetFamily family, WidgetMetric metric);

// Height of a text panel whose last line is `lines` (0 for none) below a
// title: the drives and wireless panels grow by one line per entry.
int PanelHeightForLines(size_t lines);
