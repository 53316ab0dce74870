// The six usage monitor windows, opened the way their page buttons open them
// and kept until closed.
#include <memory>

#include "app/COrvanelApp.h"
#include "pages/CDlgAudioPeakMeter.h"
#include "pages/CDlgCPUUsage.h"
#include "pages/CDlgGPUUsage.h"
#include "pages/CDlgMemoryUsagePhysical.h"
#include "pages/CDlgNetworkUsage.h"
#include "pages/CDlgUsageStorage.h"
#include "resources/resource.h"
#include "tools/showcase/ShowcaseRegistry.h"

namespace {

template <typename Monitor>
void ShowMonitor() {
    GetApp()->m_collectors.Build();
    auto window = std::make_unique<Monitor>(GetApp()->Context());
    if (!window->Create(IDD_USAGE, static_cast<CWnd*>(nullptr))) return;
    window->ShowWindow(SW_SHOW);
    const HWND hwnd = window->m_hWnd;
    MSG msg;
    // Closing hides the window; that ends the show.
    while (::IsWindow(hwnd) && ::IsWindowVisible(hwnd) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageW(hwnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

ShowcaseEntry cpu(L"cpu-usage", ShowMonitor<CDlgCPUUsage>);
ShowcaseEntry gpu(L"gpu-usage", ShowMonitor<CDlgGPUUsage>);
ShowcaseEntry memory(L"memory-usage", ShowMonitor<CDlgMemoryUsagePhysical>);
ShowcaseEntry network(L"network-usage", ShowMonitor<CDlgNetworkUsage>);
ShowcaseEntry storage(L"storage-usage", ShowMonitor<CDlgUsageStorage>);
ShowcaseEntry audio(L"audio-peak-meter", ShowMonitor<CDlgAudioPeakMeter>);

}  // namespace
