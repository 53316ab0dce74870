#pragma once
// The notification-area icon of the main window. It never creates a window
// of its own; its destructor removes the icon so it never outlives the program.
#include <windows.h>
#include <shellapi.h>

#include "framework/CWnd.h"

class CTray : public CWnd {
public:
    CTray();
    ~CTray() override;

    void SetOwner(HWND owner) { m_nid.hWnd = owner; }
    void Add();
    void Delete();
    // Shows the icon's menu at the cursor; the choice arrives as WM_COMMAND.
    void ShowMenu();

    NOTIFYICONDATAW m_nid;
};
