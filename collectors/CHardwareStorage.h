#pragma once
// Physical drives as WMI lists them (gathered once, at construction) and the
// idle time of all disks together.
#include <memory>

#include "collectors/NoGathering.h"
#include "collectors/core/StorageDriveLists.h"
#include "common/CObject.h"

class CPdhСounter;

class CHardwareStorage : public CObject, public StorageDriveLists {
public:
    CHardwareStorage();
    explicit CHardwareStorage(NoGathering);
    ~CHardwareStorage() override;

    // Percentage of time all physical disks were idle since the previous
    // call, or -1. Activity is 100 minus this.
    int GetIdleTime();

private:
    std::unique_ptr<CPdhСounter> m_idle;
};
