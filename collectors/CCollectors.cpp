#include "collectors/CCollectors.h"

#include "collectors/SmbiosReader.h"

namespace {
// A thread timer carries no data of its own: the set waiting for its timer.
// One build is scheduled at a time in a process.
CCollectors* g_scheduled = nullptr;

// Constructs one collector; null when its construction throws (the
// accessors then stand an empty one in).
template <class T, class... Args>
std::unique_ptr<T> Gather(Args... args) noexcept {
    try {
        return std::make_unique<T>(args...);
    } catch (...) {
        return nullptr;
    }
}
}  // namespace

CCollectors::CCollectors() = default;

CCollectors::~CCollectors() {
    if (m_startTimer) ::KillTimer(nullptr, m_startTimer);
    if (g_scheduled == this) g_scheduled = nullptr;
    // The collectors (members) go after this, in reverse order of declaration.
    if (m_worker.joinable()) m_worker.join();
}

bool CCollectors::ReadSmbios() { return ReadSmbiosTable(m_smbios); }

void CCollectors::Build() {
    if (m_built.load(std::memory_order_acquire)) return;
    m_dateTime = Gather<CDateTime>();
    m_audio = Gather<CHardwareAudio>();
    m_cpu = Gather<CHardwareCPU>();
    m_graphics = Gather<CHardwareGraphics>();
    m_memory = Gather<CHardwareMemory>(&m_smbios);
    m_motherboard = Gather<CHardwareMotherboard>();
    m_network = Gather<CHardwareNetwork>();
    m_storage = Gather<CHardwareStorage>();
    m_software = Gather<CSoftware>();
    m_built.store(true, std::memory_order_release);
}

void CCollectors::BuildInBackground() {
    if (m_startTimer || m_worker.joinable() || m_built.load(std::memory_order_acquire)) return;
    // A thread timer fires from the first message loop once the queue is
    // idle, that is after the main window has been shown and painted.
    m_startTimer = ::SetTimer(nullptr, 0, 0, OnStartTimer);
    if (m_startTimer)
        g_scheduled = this;
    else
        Build();
}

void CALLBACK CCollectors::OnStartTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    CCollectors* self = g_scheduled;
    if (!self || self->m_startTimer != id) return;
    g_scheduled = nullptr;
    self->m_startTimer = 0;
    try {
        self->m_worker = std::thread([self] { self->Build(); });
    } catch (...) {
        self->Build();  // no thread to be had: gather them here
    }
}

bool CCollectors::Pending() const {
    return m_startTimer || (m_worker.joinable() && !m_built.load(std::memory_order_acquire));
}

void CCollectors::Wait() {
    // Only the user-interface thread asks for collectors, so one join does.
    if (m_worker.joinable()) m_worker.join();
    if (m_startTimer) {
        ::KillTimer(nullptr, m_startTimer);
        m_startTimer = 0;
        if (g_scheduled == this) g_scheduled = nullptr;
    }
    // Needed before the worker ran (or before anyone asked for them):
    // gather them here and now.
    Build();
}
