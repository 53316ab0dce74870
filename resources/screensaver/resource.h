// Resource identifiers of the screensaver.
#pragma once

#define IDR_SCR_MAINFRAME       128
#define IDD_SCR_FULLSCREEN      102
#define IDD_SCR_SETTINGS        130
#define IDD_SCR_PREVIEW         132
#define IDB_SCR_CITY            143

// Settings dialog controls
#define IDC_SCR_LANGUAGE        1000
#define IDC_SCR_LANGUAGE_LABEL  1001
#define IDC_SCR_BACKGROUND      1002
#define IDC_SCR_BACKGROUND_LABEL 1003
#define IDC_SCR_PRODUCT_LINK    1005
#define IDC_SCR_MAKER_LINK      1006

// Window timers of the board
#define IDT_SCR_SAMPLE          1
#define IDT_SCR_FRAME           2
