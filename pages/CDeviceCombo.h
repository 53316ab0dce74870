#pragma once
// The device combo of the Storage, Network and Audio pages: it keeps the
// chosen device, and typing into it is undone (the chosen device's name
// comes back), so the text always names the device the page shows.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/CWnd.h"

class CDeviceCombo : public CWnd {
public:
    // Replaces the items by `items` in order ("-" for an empty one) and
    // chooses the first. Returns the choice: 0, or -1 when there are no items.
    int Fill(const std::vector<std::wstring>& items);
    // One placeholder item, chosen (while the page reveals its values).
    void ShowPlaceholder(const std::wstring& text);

    // The chosen item; -1 for none.
    int Selection() const { return m_selection; }
    // Takes the list's current selection as the choice.
    void TakeSelection();

protected:
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void RestoreChosenText();

    int m_selection = -1;
};
