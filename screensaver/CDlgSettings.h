#pragma once
// The screensaver's settings window: the language of its texts, the board's
// background and two web links. Each choice is written to the screensaver's
// settings file at once. (The main program has a settings window of the same
// name; this one lives in its own namespace.)
#include <string>
#include <vector>

#include "framework/CDialogEx.h"

#include "settings/CWindowContext.h"

namespace screensaver {

class CDlgSettings : public CDialogEx {
public:
    explicit CDlgSettings(const CWindowContext& ctx);

    // The background choices as (text index, value), in the order they are added.
    struct BackgroundChoice {
        int text;
        const wchar_t* value;
    };
    static const std::vector<BackgroundChoice>& BackgroundChoices();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;

private:
    void Relabel();
    void OnLanguageChosen();
    void OnBackgroundChosen();

    CSettingsStore& m_settings;
    CTranslate& m_texts;
};

}  // namespace screensaver
