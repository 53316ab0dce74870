// Win32: Win32_DiskDrive rows and the physical-disk idle counter.
#include "collectors/CHardwareStorage.h"

#include "collectors/CPdhСounter.h"
#include "collectors/WmiQuery.h"

CHardwareStorage::CHardwareStorage() : m_idle(new CPdhСounter) {
    WmiQuery(L"SELECT * FROM Win32_DiskDrive", [this](const WmiRow& row) { AppendDrive(row); });
    m_idle->Open(L"\\PhysicalDisk(_Total)\\% Idle Time");
}

CHardwareStorage::CHardwareStorage(NoGathering) {}

CHardwareStorage::~CHardwareStorage() = default;

int CHardwareStorage::GetIdleTime() { return m_idle ? m_idle->Sample() : -1; }
