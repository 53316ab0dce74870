#pragma once
// The nine collectors a program shows, and the SMBIOS holder they read.
// They are built once, either at once (Build) or on a worker thread that
// starts from the message loop (BuildInBackground), so a window can be on
// the screen before the system has been asked anything. Every accessor
// waits for the build; Pending() asks without waiting.
//
// A collector whose construction throws is left empty (see NoGathering):
// the windows show its failure values.
//
// Only the user-interface thread calls these functions.
#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

#include "collectors/CDateTime.h"
#include "collectors/CHardwareAudio.h"
#include "collectors/CHardwareCPU.h"
#include "collectors/CHardwareGraphics.h"
#include "collectors/CHardwareMemory.h"
#include "collectors/CHardwareMotherboard.h"
#include "collectors/CHardwareNetwork.h"
#include "collectors/CHardwareStorage.h"
#include "collectors/CSoftware.h"
#include "collectors/NoGathering.h"
#include "collectors/core/CDumpSMBIOS.h"
#include "common/CObject.h"

class CCollectors : public CObject {
public:
    CCollectors();
    ~CCollectors() override;

    // The firmware table's facts. Filled before the build (the memory
    // collector reads it); never waits.
    CDumpSMBIOS& Smbios() { return m_smbios; }
    // Reads the firmware table into Smbios(); false when there is none.
    bool ReadSmbios();

    // Builds the nine collectors here and now, in a fixed order; each
    // gathers its lists as it is built. Does nothing once they are built.
    void Build();
    // The same build on a worker thread, started by a thread timer once the
    // message loop runs (after the first window has painted).
    void BuildInBackground();
    // True while a build is scheduled or running.
    bool Pending() const;
    // Returns once the collectors are built: waits for the worker, or
    // builds them here when it has not started (or nobody asked yet).
    void Wait();

    CDateTime& DateTime() { return Collector(m_dateTime); }
    CHardwareAudio& Audio() { return Collector(m_audio, NoGathering()); }
    CHardwareCPU& Cpu() { return Collector(m_cpu); }
    CHardwareGraphics& Graphics() { return Collector(m_graphics, NoGathering()); }
    CHardwareMemory& Memory() { return Collector(m_memory, &m_smbios, NoGathering()); }
    CHardwareMotherboard& Motherboard() { return Collector(m_motherboard); }
    CHardwareNetwork& Network() { return Collector(m_network, NoGathering()); }
    CHardwareStorage& Storage() { return Collector(m_storage, NoGathering()); }
    CSoftware& Software() { return Collector(m_software); }

private:
    // The collector once they are all built; one whose construction failed
    // is replaced here by an empty one, built from `emptyArgs`.
    template <class T, class... Args>
    T& Collector(std::unique_ptr<T>& collector, Args&&... emptyArgs) {
        Wait();
        if (!collector) collector = std::make_unique<T>(std::forward<Args>(emptyArgs)...);
        return *collector;
    }
    static void CALLBACK OnStartTimer(HWND, UINT, UINT_PTR id, DWORD);

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

    UINT_PTR m_startTimer = 0;  // the worker is due to start
    std::thread m_worker;
    std::atomic<bool> m_built{false};  // Build() has run
};
