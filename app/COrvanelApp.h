#pragma once
// The main program's application object: owns every service that more than
// one window uses, for the life of the process.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "collectors/CDateTime.h"
#include "collectors/CHardwareAudio.h"
#include "collectors/CHardwareCPU.h"
#include "collectors/CHardwareGraphics.h"
#include "collectors/CHardwareMemory.h"
#include "collectors/CHardwareMotherboard.h"
#include "collectors/CHardwareNetwork.h"
#include "collectors/CHardwareStorage.h"
#include "collectors/CSoftware.h"
#include "collectors/core/CDumpSMBIOS.h"
#include "framework/CDialogEx.h"
#include "framework/CWinApp.h"
#include "framework/GdiPlus.h"
#include "framework/Handles.h"
#include "pages/CWinSAT.h"
#include "settings/COptions.h"
#include "settings/CTranslate.h"

class COrvanelApp : public CWinApp {
public:
    COrvanelApp();
    ~COrvanelApp() override;

    BOOL InitInstance() override;

    // Creates, keeps or drops the application font (only the embedded face
    // is ever created).
    void SetAppFont(const std::wstring& fontName);
    HFONT AppFont() const { return m_appFont.Get(); }

    // Constructs the shared collectors, in this order; each gathers its lists
    // as it is constructed. Start-up does this once the program knows it is
    // the only instance, so a second copy never queries the system. A
    // collector whose construction throws is left empty (see NoGathering):
    // the pages show its failure values.
    void CreateCollectors();
    // Start-up's way: the same construction on a worker thread that starts once the message loop runs, so
    // the main window and its pages are on the screen first. Every accessor
    // below waits for it; CollectorsPending() asks without waiting, so a
    // page can show its noise until the data is there.
    void CreateCollectorsInBackground();
    bool CollectorsPending() const;
    void WaitForCollectors();

    CDateTime& DateTime() { return Collector(m_dateTime); }
    CHardwareAudio& Audio() { return Collector(m_audio, NoGathering()); }
    CHardwareCPU& Cpu() { return Collector(m_cpu); }
    CHardwareGraphics& Graphics() { return Collector(m_graphics, NoGathering()); }
    CHardwareMemory& Memory() { return Collector(m_memory, &m_smbios, NoGathering()); }
    CHardwareMotherboard& Motherboard() { return Collector(m_motherboard); }
    CHardwareNetwork& Network() { return Collector(m_network, NoGathering()); }
    CHardwareStorage& Storage() { return Collector(m_storage, NoGathering()); }
    CSoftware& Software() { return Collector(m_software); }

    std::wstring m_settingsPath;
    COptions m_options;
    CTranslate m_translate;
    CFontHandle m_appFont;
    CDumpSMBIOS m_smbios;
    std::unique_ptr<CDateTime> m_dateTime;
    std::unique_ptr<CHardwareAudio> m_audio;
    std::unique_ptr<CHardwareCPU> m_cpu;
    std::unique_ptr<CHardwareGraphics> m_graphics;
    std::unique_ptr<CHardwareMemory> m_memory;
    std::unique_ptr<CHardwareMotherboard> m_motherboard;
    std::unique_ptr<CHardwareNetwork> m_network;
    std::unique_ptr<CHardwareStorage> m_storage;
    std::unique_ptr<CSoftware> m_software;
    CWinSAT m_winsat;  // experience-index scores shown by the pages
    CGdiPlusSession m_gdiplus;
    CHandle m_mutex;

    // Monitor windows opened from the pages. They belong to the program, not
    // to the page that opened them: a page may be re-created (language or
    // appearance change) while its monitor window stays open.
    std::vector<std::unique_ptr<CDialogEx>> m_monitorWindows;

private:
    // The collector once they are all gathered; one whose construction
    // failed is replaced here by an empty one, built from `emptyArgs`.
    template <class T, class... Args>
    T& Collector(std::unique_ptr<T>& collector, Args&&... emptyArgs) {
        WaitForCollectors();
        if (!collector) collector = std::make_unique<T>(std::forward<Args>(emptyArgs)...);
        return *collector;
    }
    // Runs the main window modally (or removes the logon task) and closes
    // the windows that belong to it.
    void RunMainWindow();
    static void CALLBACK OnCollectorTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_collectorTimer = 0;  // the worker is due to start
    std::thread m_collectorWorker;
    std::atomic<bool> m_collectorsBuilt{false};  // CreateCollectors() has run
};

// The one application object of the process.
COrvanelApp* GetApp();

// Shortcuts used by every window.
inline COptions& Options() { return GetApp()->m_options; }
inline const std::wstring& Text(size_t index) { return GetApp()->m_translate.Text(index); }
