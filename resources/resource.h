// Resource identifiers of the main program.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX            100
#define IDD_ORVANEL_DIALOG      102
#define IDD_SECTION_SOFTWARE    138
#define IDD_SECTION_SUMMARY     139
#define IDD_SECTION_CPU         140
#define IDD_SECTION_MEMORY      141
#define IDD_SECTION_GRAPHICS    142
#define IDD_SECTION_STORAGE     144
#define IDD_SECTION_NETWORK     145
#define IDD_SECTION_AUDIO       146
#define IDD_SECTION_MOTHERBOARD 182
#define IDD_SETTINGS            156
#define IDD_WIDGETS             158
#define IDD_WIDGET              167
#define IDD_USAGE               179
#define IDD_USAGE_CTRL          181
#define IDD_SCREENSAVER         221
#define IDD_WEI                 222
#define IDD_WEI_ASSESSMENT      223
#define IDD_SMART               240

// Icons, menus, pictures, font
#define IDR_MAINFRAME           128
#define IDR_MENU_MAIN           130
#define IDB_BACKGROUND          134
#define IDI_SECTION_AUDIO       141
#define IDI_SECTION_CPU         142
#define IDI_SECTION_GRAPHICS    143
#define IDI_SECTION_MEMORY      144
#define IDI_SECTION_MOTHERBOARD 145
#define IDI_SECTION_NETWORK     146
#define IDI_SECTION_SOFTWARE    147
#define IDI_SECTION_STORAGE     148
#define IDI_SECTION_SUMMARY     149
#define IDR_FONT                151
#define IDR_MENU_TRAY           173

// System menu
#define IDM_ABOUTBOX            0x0010

// Controls
#define IDC_TREE                1000

// Commands
#define ID_WIDGETS              32776
#define ID_SETTINGS             32777
#define ID_HELP_HELP            32778
#define ID_HELP_ABOUT           32780
#define ID_HELP_UPDATE          32781
#define ID_TRAY_OPEN            32783
#define ID_TRAY_HELP            32785
#define ID_TRAY_UPDATE          32788
#define ID_TRAY_EXIT            32790
#define ID_SCREENSAVER          32792
#define ID_TOOLS                32793
#define ID_WINSAT               32796
#define ID_WEB_APP              32797
#define ID_SMART                32799
#define ID_WEB_APP_IP_LOOKUP    32801
#define ID_WEB_APP_TERRAVUE     32803
#define ID_OTHER_PRODUCT        32805

// About and settings dialogs
#define IDC_ABOUT_TITLE         1001
#define IDC_ABOUT_COPYRIGHT     1009
#define IDC_ABOUT_VERSION       1010
#define IDC_ABOUT_WEB_LINK      1015
#define IDC_ABOUT_FONT_LINK     1016
#define IDC_ABOUT_ICON          1017
#define IDC_SETTINGS_LANGUAGE   1003
#define IDC_SETTINGS_LANGUAGE_LABEL 1004
#define IDC_SETTINGS_DARK       1005
#define IDC_SETTINGS_FONT       1006
#define IDC_SETTINGS_FONT_LABEL 1007
#define IDC_SETTINGS_DARK_LABEL 1008

// Drive health (S.M.A.R.T.) window
#define IDC_SMART_SERIAL        1002
#define IDC_SMART_HEALTH        1052
#define IDC_SMART_DRIVE         1124
#define IDC_SMART_TEMPERATURE   1179
#define IDC_SMART_LIST          1190
#define IDC_SMART_DRIVE_LABEL   1191
#define IDC_SMART_SERIAL_LABEL  1192
#define IDC_SMART_TEMPERATURE_LABEL 1193
#define IDC_SMART_FIRMWARE      1194
#define IDC_SMART_FIRMWARE_LABEL 1195
#define IDC_SMART_HEALTH_LABEL  1196

// Device pages: the frames around the drive and adapter combos
#define IDC_STORAGE_DRIVE_BOX   1250
#define IDC_NETWORK_ADAPTER_BOX 1251

// Screensaver set-up window
#define IDC_SCREENSAVER_WAIT    1002
#define IDC_SCREENSAVER_ENABLE  1019
#define IDC_SCREENSAVER_ENABLE_LABEL 1033
#define IDC_SCREENSAVER_SETTINGS 1161
#define IDC_SCREENSAVER_PREVIEW 1162
#define IDC_SCREENSAVER_WAIT_SPIN 1163
#define IDC_SCREENSAVER_WAIT_LABEL 1164
#define IDC_SCREENSAVER_MINUTES 1165
#define IDC_SCREENSAVER_SECURE  1166
#define IDC_SCREENSAVER_SECURE_LABEL 1167

// Widgets dialog
#define IDC_WIDGETS_LIST        1018
#define IDC_WIDGETS_ENABLE      1019
#define IDC_WIDGETS_SHOW        1023
#define IDC_WIDGETS_MOVEABLE    1024
#define IDC_WIDGETS_DISPLAY_LABEL 1026
#define IDC_WIDGETS_ON_DESKTOP  1027
#define IDC_WIDGETS_ON_TOP      1028
#define IDC_WIDGETS_ON_TOP_LABEL 1029
#define IDC_WIDGETS_ON_DESKTOP_LABEL 1030
#define IDC_WIDGETS_SHOW_LABEL  1031
#define IDC_WIDGETS_MOVEABLE_LABEL 1032
#define IDC_WIDGETS_ENABLE_LABEL 1033
#define IDC_WIDGETS_AUTORUN     1034
#define IDC_WIDGETS_AUTORUN_LABEL 1035
#define IDC_WIDGETS_OPACITY     1052
#define IDC_WIDGETS_COLOR       1124
#define IDC_WIDGETS_BACKGROUND  1155
#define IDC_WIDGETS_BACKGROUND_LABEL 1156
#define IDC_WIDGETS_OPACITY_LABEL 1158
#define IDC_WIDGETS_COLOR_LABEL 1159
#define IDC_WIDGETS_OPACITY_SPIN 1160
