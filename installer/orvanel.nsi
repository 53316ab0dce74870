; orvanel-setup.exe: installs and removes Orvanel for every user of a PC.
;
; Built by the Windows build (cmake/Windows.cmake), which defines:
;   VERSION       the program's version, read from resources/version.rc
;   EXIT_COMMAND  the main window's Exit command, read from resources/resource.h
;   FILES         files.nsh, the language files of both programs as
;                 ORVANEL_*_LANGUAGES macros (File when installing, Delete
;                 when uninstalling)
;   BIN, SRC      the built programs and the sources
;   OUTFILE       where the setup program goes
;
; Placement: the program, its language files, the font's licence and the
; readme in $PROGRAMFILES32\Velmora\Orvanel; the screensaver in the 32-bit
; system folder ($SYSDIR of a 32-bit installer: SysWOW64 on 64-bit Windows,
; System32 on 32-bit); the screensaver's language files in the installing
; user's %APPDATA%\Velmora\Orvanel\Screensaver, where it reads them.

Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include "${FILES}"

!define PRODUCT "Orvanel"
!define PUBLISHER "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanel"
; The main program holds this mutex while it runs.
!define INSTANCE_MUTEX "VelmoraOrvanelMutex"
!define SCREENSAVER_LANGUAGES "$APPDATA\Velmora\Orvanel\Screensaver"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES32\Velmora\Orvanel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=1033 "OriginalFilename" "orvanel-setup.exe"

!define MUI_ICON "${SRC}/resources/orvanel.ico"
!define MUI_UNICON "${SRC}/resources/orvanel.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\readme.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SRC}/installer/readme.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Orvanel will be removed. Your settings stay for a later installation unless you tick the box."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Ends a running copy of the main program the way its Exit command does
; (closing the window only hides it while widgets are on), then waits until
; its mutex is gone. Files of a running program cannot be replaced or removed,
; and a second copy started meanwhile would only warn and wait for a click.
!macro CLOSE_RUNNING_COPY un
Function ${un}CloseRunningCopy
  retry:
  FindWindow $0 "#32770" "${PRODUCT}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_COMMAND} ${EXIT_COMMAND} 0 /TIMEOUT=5000
  ${EndIf}
  StrCpy $1 0
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p.r2'
    ${If} $2 = 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r2)'
    ${If} $1 >= 40
      ${ExitDo}
    ${EndIf}
    Sleep 250
    IntOp $1 $1 + 1
  ${Loop}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Orvanel is still running. Close it, then choose Retry; Cancel stops here and changes nothing." \
    /SD IDCANCEL IDRETRY retry
  SetErrorLevel 1
  Quit
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Section "Orvanel" SecProgram
  SectionIn RO
  Call CloseRunningCopy
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  File "${BIN}/orvanel.exe"
  File "${BIN}/SebastianGothicNBP-LICENSE.txt"
  File "${SRC}/installer/readme.txt"
  !insertmacro ORVANEL_MAIN_LANGUAGES

  SetOutPath "$SYSDIR"
  File "${BIN}/orvanel.scr"

  SetShellVarContext current
  SetOutPath "${SCREENSAVER_LANGUAGES}"
  !insertmacro ORVANEL_SCREENSAVER_LANGUAGES
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orvanel.exe" "" "$INSTDIR\orvanel.exe" 0
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvanel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB: the program folder and the screensaver.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${GetSize} "$SYSDIR" "/M=orvanel.scr /S=0K /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Orvanel" UnSecProgram
  SectionIn RO
  Call un.CloseRunningCopy
  ; The program removes its own logon task.
  ExecWait '"$INSTDIR\orvanel.exe" -uninstalltask'
  SetShellVarContext all

  Delete "$INSTDIR\orvanel.exe"
  Delete "$INSTDIR\SebastianGothicNBP-LICENSE.txt"
  Delete "$INSTDIR\readme.txt"
  !insertmacro ORVANEL_UN_MAIN_LANGUAGES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES32\Velmora"

  Delete "$SYSDIR\orvanel.scr"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  SetShellVarContext current
  !insertmacro ORVANEL_UN_SCREENSAVER_LANGUAGES
  Call un.RemoveEmptySettingsFolders

  ; Windows would go on starting a screensaver that is gone.
  ReadRegStr $0 HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
  ${GetFileName} "$0" $1
  ${If} $1 == "orvanel.scr"
    DeleteRegValue HKCU "Control Panel\Desktop" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

; Off unless ticked: a silent uninstall keeps the settings.
Section /o "un.Remove my settings" UnSecSettings
  SetShellVarContext current
  Delete "$APPDATA\Velmora\Orvanel\settings.ini"
  Delete "${SCREENSAVER_LANGUAGES}\settings.ini"
  Call un.RemoveEmptySettingsFolders
SectionEnd

; Folders that still hold something (the settings among them) stay.
Function un.RemoveEmptySettingsFolders
  RMDir "${SCREENSAVER_LANGUAGES}"
  RMDir "$APPDATA\Velmora\Orvanel"
  RMDir "$APPDATA\Velmora"
FunctionEnd
