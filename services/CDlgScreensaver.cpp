#include "services/CDlgScreensaver.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "services/CRegistryKey.h"

namespace {

const wchar_t kExeValue[] = L"SCRNSAVE.EXE";
const wchar_t kActiveValue[] = L"ScreenSaveActive";
const wchar_t kTimeOutValue[] = L"ScreenSaveTimeOut";

struct Caption {
    int id;
    size_t text;
};
const Caption kCaptions[] = {
    {IDC_SCREENSAVER_ENABLE_LABEL, 29}, {IDC_SCREENSAVER_PREVIEW, 128}, {IDC_SCREENSAVER_SETTINGS, 5},
    {IDC_SCREENSAVER_WAIT_LABEL, 129},  {IDC_SCREENSAVER_MINUTES, 130}, {IDC_SCREENSAVER_SECURE_LABEL, 131},
};

// Disabled together while our screensaver is not the user's.
const int kDependentControls[] = {IDC_SCREENSAVER_WAIT, IDC_SCREENSAVER_WAIT_SPIN, IDC_SCREENSAVER_SECURE,
                                  IDC_SCREENSAVER_PREVIEW, IDC_SCREENSAVER_SETTINGS};

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

std::wstring InstalledScreensaverPath() {
    wchar_t windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ::GetSystemDirectoryW(system, MAX_PATH);
    return ScreensaverPath(windows, system, RunsUnderWow64());
}

}  // namespace

CDlgScreensaver::CDlgScreensaver(const CWindowContext& ctx, CWnd* parent)
    : CStyledDialog(ctx, IDD_SCREENSAVER, parent, Background::FramedPicture), m_path(InstalledScreensaverPath()) {
    // The edit asks as a static control while it is disabled.
    m_look.AddValueFields({IDC_SCREENSAVER_WAIT});
}

BOOL CDlgScreensaver::OnInitDialog() {
    CStyledDialog::OnInitDialog();

    std::wstring exe, active;
    bool haveExe = false, haveActive = false;
    {
        CRegistryKey desktop;
        if (desktop.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_READ) == ERROR_SUCCESS) {
            haveExe = desktop.QueryString(kExeValue, 520, exe) == ERROR_SUCCESS;
            haveActive = desktop.QueryString(kActiveValue, 520, active) == ERROR_SUCCESS;
        }
    }
    const bool enabled = ScreensaverIsOurs(haveExe ? &exe : nullptr, haveActive ? &active : nullptr, m_path);
    ::CheckDlgButton(m_hWnd, IDC_SCREENSAVER_ENABLE, enabled ? BST_CHECKED : BST_UNCHECKED);
    EnableControls(enabled);

    HWND spin = GetDlgItem(IDC_SCREENSAVER_WAIT_SPIN);
    ::SendMessageW(spin, UDM_SETRANGE32, kMinWaitMinutes, kMaxWaitMinutes);
    int seconds = 900;
    ::SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
    ::SendMessageW(spin, UDM_SETPOS32, 0, WaitMinutesFromSeconds(seconds));

    // Some systems do not answer this one; the box then stays unticked.
    BOOL secure = FALSE;
    if (::SystemParametersInfoW(SPI_GETSCREENSAVESECURE, 0, &secure, 0) && secure)
        ::CheckDlgButton(m_hWnd, IDC_SCREENSAVER_SECURE, BST_CHECKED);

    ApplyAppFont({IDC_SCREENSAVER_WAIT, IDC_SCREENSAVER_ENABLE_LABEL, IDC_SCREENSAVER_WAIT_LABEL,
                  IDC_SCREENSAVER_MINUTES, IDC_SCREENSAVER_SECURE_LABEL, IDC_SCREENSAVER_PREVIEW,
                  IDC_SCREENSAVER_SETTINGS});

    SetWindowText(Text(127));
    for (const Caption& c : kCaptions) SetDlgItemText(c.id, Text(c.text));

    m_ready = true;
    return TRUE;
}

void CDlgScreensaver::EnableControls(bool enabled) {
    for (int id : kDependentControls) ::EnableWindow(GetDlgItem(id), enabled ? TRUE : FALSE);
}

void CDlgScreensaver::OnEnableToggled() {
    const bool enabled = ::IsDlgButtonChecked(m_hWnd, IDC_SCREENSAVER_ENABLE) == BST_CHECKED;
    CRegistryKey desktop;
    desktop.Create(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE);
    if (enabled) {
        desktop.SetString(kExeValue, m_path);
        desktop.SetString(kActiveValue, L"1");
        ::SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    } else {
        // "ScreenSaveActive" stays: the system setting alone switches it off.
        desktop.DeleteValue(kExeValue);
        ::SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    }
    EnableControls(enabled);
}

void CDlgScreensaver::ApplyWait(int minutes) {
    const int seconds = minutes * 60;
    ::SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(seconds), nullptr, 0);
    CRegistryKey desktop;
    if (desktop.Create(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE) == ERROR_SUCCESS)
        desktop.SetString(kTimeOutValue, std::to_wstring(seconds));
}

void CDlgScreensaver::OnWaitEdited() {
    const std::wstring typed = GetDlgItemText(IDC_SCREENSAVER_WAIT);
    const int minutes = WaitMinutesFromText(typed);
    if (typed != std::to_wstring(minutes)) {
        // Writing the corrected number into the edit comes back here as an
        // edit change: not a change of the user's.
        m_ready = false;
        ::SendMessageW(GetDlgItem(IDC_SCREENSAVER_WAIT_SPIN), UDM_SETPOS32, 0, minutes);
        m_ready = true;
        // Typing goes on after the corrected number, not in front of it.
        HWND edit = GetDlgItem(IDC_SCREENSAVER_WAIT);
        const int length = ::GetWindowTextLengthW(edit);
        ::SendMessageW(edit, EM_SETSEL, length, length);
    }
    ApplyWait(minutes);
}

void CDlgScreensaver::StartScreensaver(const std::wstring& commandLine) {
    std::wstring buffer = commandLine;  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // A 32-bit program on 64-bit Windows would otherwise be sent to another folder.
    void* redirection = nullptr;
    const bool redirected = RunsUnderWow64() && ::Wow64DisableWow64FsRedirection(&redirection);
    const BOOL started = ::CreateProcessW(m_path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                          &startup, &process);
    if (redirected) ::Wow64RevertWow64FsRedirection(redirection);
    if (started) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}

bool CDlgScreensaver::OnCommand(UINT id, UINT code, HWND /*control*/) {
    switch (id) {
        case IDC_SCREENSAVER_ENABLE:
            if (code != BN_CLICKED) return false;
            OnEnableToggled();
            return true;
        case IDC_SCREENSAVER_SECURE:
            if (code != BN_CLICKED) return false;
            ::SystemParametersInfoW(SPI_SETSCREENSAVESECURE,
                                    ::IsDlgButtonChecked(m_hWnd, IDC_SCREENSAVER_SECURE) == BST_CHECKED, nullptr, 0);
            return true;
        case IDC_SCREENSAVER_WAIT:
            if (code != EN_CHANGE) return false;
            if (m_ready) OnWaitEdited();
            return true;
        case IDC_SCREENSAVER_PREVIEW:
        case IDC_SCREENSAVER_SETTINGS:
            if (code != BN_CLICKED) return false;
            StartScreensaver(ScreensaverCommandLine(
                m_path, id == IDC_SCREENSAVER_PREVIEW ? ScreensaverStart::Preview : ScreensaverStart::Settings));
            return true;
        default: return false;
    }
}

bool CDlgScreensaver::OnNotify(NMHDR* hdr, LRESULT* result) {
    if (hdr->idFrom != IDC_SCREENSAVER_WAIT_SPIN || hdr->code != UDN_DELTAPOS) return false;
    const auto* change = reinterpret_cast<NMUPDOWN*>(hdr);
    ApplyWait(ClampWaitMinutes(static_cast<long long>(change->iPos) + change->iDelta));
    *result = 0;  // the move goes ahead
    return true;
}
