#pragma once
// What a window of the program is handed when it is built: the services it
// reads, owned by the application object for the life of the process. A
// window keeps a copy of the context (references and pointers only) and
// reaches nothing else.
#include <memory>
#include <string>
#include <vector>

#include "framework/CDialogEx.h"
#include "settings/CAppFont.h"
#include "settings/CSettingsStore.h"
#include "settings/CTranslate.h"

class CCollectors;
class CWinSAT;

// Modeless windows that belong to the program rather than to the window
// that opened them (a page may be re-created while its monitor stays open).
using ProgramWindows = std::vector<std::unique_ptr<CDialogEx>>;

struct CWindowContext {
    CSettingsStore& settings;
    CTranslate& texts;
    // The application font holder; its font may be null and may change.
    CAppFont& font;
    // The collectors the windows show; null where a program has none.
    CCollectors* collectors = nullptr;
    // Experience-index scores shown by the pages; null where there are none.
    CWinSAT* winsat = nullptr;
    // Where monitor windows opened from the pages are kept; may be null.
    ProgramWindows* windows = nullptr;

    const std::wstring& Text(size_t index) const { return texts.Text(index); }
    HFONT AppFont() const { return font.Get(); }
    // The same context over another score store (a fake one in tests).
    CWindowContext WithScores(CWinSAT& scores) const {
        CWindowContext copy = *this;
        copy.winsat = &scores;
        return copy;
    }
};
