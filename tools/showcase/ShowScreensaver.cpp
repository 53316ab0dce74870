// The screensaver set-up window: as the user's settings have it
// ("screensaver"), and shown as if the program's screensaver were the
// user's ("screensaver-on", nothing written). Neither starts the screensaver.
#include <windows.h>

#include "app/COrvanelApp.h"
#include "resources/resource.h"
#include "services/CDlgScreensaver.h"
#include "tools/showcase/ShowcaseRegistry.h"

namespace {

class ShowcaseScreensaverDlg : public CDlgScreensaver {
public:
    explicit ShowcaseScreensaverDlg(bool on)
        : CDlgScreensaver(GetApp()->Context(), nullptr), m_on(on) {}

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CDlgScreensaver::OnInitDialog();
        if (m_on) {
            ::CheckDlgButton(m_hWnd, IDC_SCREENSAVER_ENABLE, BST_CHECKED);
            for (int id : {IDC_SCREENSAVER_WAIT, IDC_SCREENSAVER_WAIT_SPIN, IDC_SCREENSAVER_SECURE,
                           IDC_SCREENSAVER_PREVIEW, IDC_SCREENSAVER_SETTINGS})
                ::EnableWindow(GetDlgItem(id), TRUE);
        }
        return result;
    }
    void StartScreensaver(const std::wstring&) override {}

private:
    bool m_on;
};

ShowcaseEntry asFound(L"screensaver", [] {
    ShowcaseScreensaverDlg dlg(false);
    dlg.DoModal();
});
ShowcaseEntry on(L"screensaver-on", [] {
    ShowcaseScreensaverDlg dlg(true);
    dlg.DoModal();
});

}  // namespace
