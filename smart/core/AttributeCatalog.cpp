#include "smart/core/AttributeCatalog.h"

#include "smart/core/DriveInfo.h"

namespace {

struct Entry {
    uint8_t Id;
    const wchar_t* Name;
};

// Several names repeat under different identifiers because vendors reused
// the meaning; each identifier keeps its own entry.
constexpr Entry kAtaNames[] = {
    {1, L"Raw Read Error Rate"},
    {2, L"Throughput Performance"},
    {3, L"Spin-Up Time"},
    {4, L"Start/Stop Count"},
    {5, L"Reallocated Sectors Count"},
    {6, L"Read Channel Margin"},
    {7, L"Seek Error Rate"},
    {8, L"Seek Time Performance"},
    {9, L"Power-On Hours"},
    {10, L"Spin Retry Count"},
    {11, L"Calibration Retry Count"},
    {12, L"Power Cycle Count"},
    {13, L"Soft Read Error Rate"},
    {22, L"Current Helium Level"},
    {160, L"Uncorrectable sectors count when read/write"},
    {161, L"Number of Valid Spare Blocks"},
    {163, L"Number of Initial Invalid Blocks"},
    {164, L"Total Erase Count"},
    {165, L"Maximum Erase Count"},
    {166, L"Minimum Erase Count"},
    {167, L"Average Erase Count"},
    {168, L"Max Erase Count of Spec"},
    {169, L"Remain Life"},
    {170, L"Available Reserved Space"},
    {171, L"Program Fail Count"},
    {172, L"Erase Fail Count"},
    {173, L"SSD Wear Leveling Count"},
    {174, L"Unexpected Power Loss Count"},
    {175, L"Power Loss Protection Failure"},
    {176, L"Erase Fail Count"},
    {177, L"Wear Leveling Count"},
    {178, L"Used Reserved Block Count Worst Case"},
    {179, L"Runtime Bad Block Count"},
    {180, L"End-to-End Error"},
    {181, L"Program Fail Count Total / Non-4K Aligned Access Count"},
    {182, L"Erase Fail Count"},
    {183, L"SATA Downshift Error Count / Runtime Bad Block"},
    {184, L"End-to-End Error / IO Error Detection"},
    {185, L"Head Stability"},
    {186, L"Induced Opv Vibration"},
    {187, L"Reported Uncorrectable Errors"},
    {188, L"Command Timeout"},
    {189, L"High Fly Writes"},
    {190, L"Airflow Temperature"},
    {191, L"G-Sense Error Rate"},
    {192, L"Power-off Retract Count"},
    {193, L"Load/Unload Cycle Count"},
    {194, L"Temperature"},
    {195, L"Hardware ECC Recovered"},
    {196, L"Reallocation Event Count"},
    {197, L"Current Pending Sector Count"},
    {198, L"Offline Uncorrectable Sector Count"},
    {199, L"UltraDMA CRC Error Count"},
    {200, L"Write Error Rate / Multi-Zone Error Rate"},
    {201, L"Soft Read Error Rate"},
    {202, L"Data Address Mark Errors"},
    {203, L"Run Out Cancel"},
    {204, L"Soft ECC Correction"},
    {205, L"Thermal Asperity Rate"},
    {206, L"Flying Height"},
    {207, L"Spin High Current"},
    {208, L"Spin Buzz"},
    {209, L"Offline Seek Performance"},
    {211, L"Vibration During Write"},
    {212, L"Shock During Write"},
    {213, L"Disk Shift"},
    {214, L"G-Sense Error Rate (Secondary)"},
    {215, L"Loaded Hours"},
    {216, L"Load/Unload Retry Count"},
    {217, L"Load Friction"},
    {218, L"Load/Unload Cycle Count (Alternative)"},
    {219, L"Load-in Time"},
    {220, L"Disk Shift"},
    {221, L"G-Sense Error Rate"},
    {222, L"Loaded Hours"},
    {223, L"Load/Unload Retry Count"},
    {224, L"Load Friction"},
    {225, L"Load/Unload Cycle Count"},
    {226, L"Load 'In'-time"},
    {227, L"Torque Amplification Count"},
    {228, L"Timed Workload Timer"},
    {230, L"Drive Life Protection Status / GMR Head Amplitude"},
    {231, L"Life Left (SSDs) / Temperature"},
    {232, L"Available Reserved Space / Endurance Remaining"},
    {233, L"Media Wearout Indicator (SSDs) / Power-On Hours"},
    {234, L"Average Erase Count / Max Erase Count"},
    {235, L"Good Block Count / System Free Block Count"},
    {240, L"Head Flying Hours"},
    {241, L"Total LBA Written"},
    {242, L"Total LBA Read"},
    {243, L"Total LBAs Written Expanded / Total Host Writes Expanded"},
    {244, L"Total LBAs Read Expanded / Total Host Reads Expanded"},
    {245, L"Flash Write Sectors"},
    {246, L"Total Host Sectors Written to NAND Flash"},
    {247, L"Host program page count"},
    {248, L"Background program page count"},
    {249, L"Total NAND Writes (GB)"},
    {250, L"Read Error Retry Rate"},
    {251, L"Minimum Spares Remaining"},
    {252, L"Newly Suffered Raw Residual ECC Errors Count"},
    {253, L"Maximum Erase Cycle"},
    {254, L"Free Fall Protection"},
};

// Entry n is the n-th field of the NVMe SMART / Health Information log.
constexpr const wchar_t* kNvmeNames[] = {
    L"Critical Warning",
    L"Composite Temperature",
    L"Available Spare",
    L"Available Spare Threshold",
    L"Percentage Used (Life Spent)",
    L"Data Units Read (Blocks)",
    L"Data Units Written (Blocks)",
    L"Host Read Commands",
    L"Host Write Commands",
    L"Controller Busy Time",
    L"Power Cycles",
    L"Power On Hours",
    L"Unsafe Shutdowns",
    L"Media and Data Integrity Errors",
    L"Number of Error Information Log Entries",
    L"Warning Composite Temperature Time",
    L"Critical Composite Temperature Time",
    L"Thermal Management Temp 1 Transition Count",
    L"Thermal Management Temp 2 Transition Count",
    L"Total Time For Thermal Management Temp 1 Residence",
    L"Total Time For Thermal Management Temp 2 Residence",
};

}  // namespace

std::wstring GetAttributeName(uint8_t id, int accessKind) {
    if (accessKind == kAccessNvme) {
        constexpr size_t count = sizeof(kNvmeNames) / sizeof(kNvmeNames[0]);
        if (id >= 1 && id <= count) return kNvmeNames[id - 1];
        return L"NVMe Vendor Specific Parameter";
    }
    for (const Entry& e : kAtaNames) {
        if (e.Id == id) return e.Name;
    }
    return L"Vendor Specific Attribute";
}
