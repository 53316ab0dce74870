#include <gtest/gtest.h>

#include "collectors/core/CDumpSMBIOS.h"
#include "collectors/core/MemoryRules.h"
#include "tests/common/FakeWmiRow.h"

namespace {

FakeWmiRow Module(int formFactor, int type, int clock) {
    return FakeWmiRow{{L"FormFactor", WmiValue::Int32(formFactor)},
                      {L"MemoryType", WmiValue::Int32(type)},
                      {L"ConfiguredClockSpeed", WmiValue::Int32(clock)}};
}

TEST(MemoryModules, LastRowDecidesEveryFieldEvenWhenUnlisted) {
    MemoryModuleFacts facts;
    ApplyPhysicalMemoryRow(Module(8, 26, 3200), &facts);
    EXPECT_EQ(facts.FormFactor, L"DIMM");
    EXPECT_EQ(facts.MemoryTypeText, L"DDR4");
    ApplyPhysicalMemoryRow(Module(12, 23, 0), &facts);  // 23 is not a known type
    EXPECT_EQ(facts.FormFactor, L"SODIMM");
    EXPECT_EQ(facts.MemoryTypeText, L"");
    EXPECT_EQ(facts.ConfiguredClock, 0u);
    ApplyPhysicalMemoryRow(FakeWmiRow{}, &facts);  // properties missing
    EXPECT_EQ(facts.FormFactor, L"");
}

TEST(MemoryModules, WmiAndSmbiosNumberTypesDifferently) {
    EXPECT_EQ(WmiMemoryTypeText(20), L"DDR");
    EXPECT_EQ(SmbiosDeviceMemoryTypeText(20), L"DDR2 FB-DIMM");
    EXPECT_EQ(WmiMemoryTypeText(11), L"Flash");
    EXPECT_EQ(SmbiosDeviceMemoryTypeText(9), L"FLASH");
    EXPECT_EQ(MemoryFormFactorText(23), L"LGA");
    EXPECT_EQ(MemoryFormFactorText(24), L"");
    EXPECT_EQ(MemoryFormFactorText(0xFFFFFFFF), L"");
}

TEST(MemoryType, Ddr4AboveItsTopSpeedIsDdr5) {
    MemoryModuleFacts facts{L"DIMM", L"DDR4", 5600};
    EXPECT_EQ(ResolveMemoryType(facts, nullptr), L"DDR5");
    facts.ConfiguredClock = 4800;
    EXPECT_EQ(ResolveMemoryType(facts, nullptr), L"DDR4");
    facts.MemoryTypeText = L"DDR3";
    facts.ConfiguredClock = 9999;
    EXPECT_EQ(ResolveMemoryType(facts, nullptr), L"DDR3");
}

TEST(MemoryType, WithoutAWmiTypeTheSmbiosHolderDecides) {
    struct Case {
        const char* what;
        uint8_t major, minor;
        uint16_t moduleWord;
        uint8_t deviceCode;
        std::wstring expected;
    };
    const Case cases[] = {
        {"3.0, last device DDR4", 3, 0, 0, 26, L"DDR4"},
        {"empty slot last, no module record", 3, 0, 0, 2, L""},
        {"unknown device, module code with its own spelling", 2, 4, 20, 2, L"DDR2 FB-DIMM "},
        {"unknown device, module code beyond the older table", 2, 4, 26, 2, L""},
        {"2.0: lowest module bit wins", 2, 0, 0x0180, 26, L"SIMM"},
        {"2.0: no decoded bit", 2, 0, 0x0003, 0, L""},
        {"no table read", 0, 0, 0, 0, L""},
    };
    for (const auto& c : cases) {
        CDumpSMBIOS holder;
        holder.MajorVersion = c.major;
        holder.MinorVersion = c.minor;
        holder.ModuleMemoryType = c.moduleWord;
        holder.DeviceMemoryType = c.deviceCode;
        EXPECT_EQ(ResolveMemoryType(MemoryModuleFacts{L"DIMM", L"", 0}, &holder), c.expected) << c.what;
    }
}

// SMBIOS structures as the walk hands them over: formatted area + strings.
std::vector<uint8_t> BiosStructure(uint8_t versionString, std::vector<std::string> strings) {
    std::vector<uint8_t> s(0x12, 0);
    s[0] = 0;
    s[1] = 0x12;
    s[5] = versionString;
    for (const auto& t : strings) {
        s.insert(s.end(), t.begin(), t.end());
        s.push_back(0);
    }
    if (strings.empty()) s.push_back(0);
    s.push_back(0);
    return s;
}

TEST(SmbiosHandlers, FirstBiosStructureWithAVersionTextWins) {
    CDumpSMBIOS holder;
    auto none = BiosStructure(0, {"Vendor", "0.1"});
    holder.OnBiosInformation(none.data(), none.size());
    EXPECT_EQ(holder.BiosVersion, L"");
    auto missing = BiosStructure(3, {"Vendor", "0.1"});  // string 3 does not exist
    holder.OnBiosInformation(missing.data(), missing.size());
    EXPECT_EQ(holder.BiosVersion, L"");
    auto first = BiosStructure(2, {"Vendor", "F.20"});
    holder.OnBiosInformation(first.data(), first.size());
    auto second = BiosStructure(1, {"F.30"});
    holder.OnBiosInformation(second.data(), second.size());
    EXPECT_EQ(holder.BiosVersion, L"F.20");
}

TEST(SmbiosHandlers, LastModuleAndDeviceStructuresWin) {
    CDumpSMBIOS holder;
    std::vector<uint8_t> module(12, 0);
    module[0] = 6, module[1] = 12, module[7] = 0x80, module[8] = 0x01;
    holder.OnMemoryModule(module.data(), module.size());
    module[7] = 0x00, module[8] = 0x04;
    holder.OnMemoryModule(module.data(), module.size());
    EXPECT_EQ(holder.ModuleMemoryType, 0x0400);

    std::vector<uint8_t> device(0x15, 0);
    device[0] = 17, device[1] = 0x15, device[0x12] = 26;
    holder.OnMemoryDevice(device.data(), device.size());
    device[0x12] = 2;  // an empty slot listed last
    holder.OnMemoryDevice(device.data(), device.size());
    EXPECT_EQ(holder.DeviceMemoryType, 2);
}

TEST(InstalledMemory, MebibytesOfTheKibibyteCount) {
    EXPECT_EQ(InstalledMemoryText(24683724), L"24105 MBytes");
    EXPECT_EQ(InstalledMemoryText(0), L"0 MBytes");
    EXPECT_EQ(InstalledMemoryText(1023), L"0 MBytes");
}

}  // namespace
