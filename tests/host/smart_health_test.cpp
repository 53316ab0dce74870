#include <gtest/gtest.h>

#include "smart/core/DriveDisplay.h"
#include "tests/common/SmartBlocks.h"
#include "smart/core/HealthStatus.h"

namespace {

DriveInfo Drive(int kind, std::vector<SmartAttribute> attributes) {
    DriveInfo info;
    info.AccessKind = kind;
    info.Attributes = std::move(attributes);
    return info;
}

TEST(EvaluateHealth, RatesDrives) {
    struct Case {
        const char* what;
        DriveInfo drive;
        int percent;
        int level;
        const wchar_t* text;
    } cases[] = {
        {"no data", Drive(kAccessAta, {}), 0, kHealthUnknown, L"Unknown"},
        {"clean sectors", Drive(kAccessAta, {Attr(5, 100, 36, 0), Attr(197, 100, 0, 0), Attr(198, 100, 0, 0)}), 100,
         kHealthGood, L"Good"},
        {"24 reallocated", Drive(kAccessAta, {Attr(5, 100, 36, 24)}), 98, kHealthWarning, L"Warning"},
        {"9 reallocated", Drive(kAccessAta, {Attr(5, 100, 36, 9)}), 100, kHealthWarning, L"Warning"},
        {"1500 bad sectors", Drive(kAccessAta, {Attr(5, 100, 0, 1000), Attr(197, 100, 0, 300), Attr(198, 100, 0, 200)}),
         1, kHealthWarning, L"Warning"},
        // A raw count whose tenth does not fit 32 bits must not wrap to a healthy percentage.
        {"huge raw", Drive(kAccessAta, {Attr(5, 100, 0, 10ull << 32)}), 1, kHealthWarning, L"Warning"},
        {"life 15", Drive(kAccessAta, {Attr(231, 15, 0, 0), Attr(5, 100, 0, 0)}), 15, kHealthWarning, L"Warning"},
        {"life 85, sectors ignored for percent", Drive(kAccessBridge, {Attr(202, 85, 0, 0), Attr(5, 100, 0, 500)}), 85,
         kHealthWarning, L"Warning"},
        {"later life attribute wins", Drive(kAccessAta, {Attr(233, 30, 0, 0), Attr(231, 90, 0, 0)}), 90, kHealthGood,
         L"Good"},
        {"life out of range ignored", Drive(kAccessAta, {Attr(231, 0, 0, 0), Attr(233, 101, 0, 0)}), 100, kHealthGood,
         L"Good"},
        {"threshold crossed", Drive(kAccessAta, {Attr(5, 10, 36, 0)}), 100, kHealthBad, L"Bad (Threshold Exceeded)"},
        {"threshold crossed keeps percent", Drive(kAccessAta, {Attr(197, 36, 36, 50)}), 95, kHealthBad,
         L"Bad (Threshold Exceeded)"},
        {"threshold 0 is no threshold", Drive(kAccessAta, {Attr(5, 10, 0, 0)}), 100, kHealthGood, L"Good"},
        {"other attributes never fail", Drive(kAccessAta, {Attr(1, 10, 50, 0)}), 100, kHealthGood, L"Good"},
        {"nvme 3 used", Drive(kAccessNvme, {Attr(1, 0, 0, 0), Attr(5, 97, 10, 3)}), 97, kHealthGood, L"Good"},
        {"nvme 95 used", Drive(kAccessNvme, {Attr(1, 0, 0, 0), Attr(5, 5, 10, 95)}), 5, kHealthWarning,
         L"Warning (Low Endurance Remaining)"},
        {"nvme 91 used", Drive(kAccessNvme, {Attr(5, 9, 10, 91)}), 9, kHealthWarning,
         L"Warning (Low Endurance Remaining)"},
        {"nvme 120 used", Drive(kAccessNvme, {Attr(1, 0, 0, 0), Attr(5, 0, 10, 120)}), 0, kHealthWarning,
         L"Warning (Low Endurance Remaining)"},
        {"nvme critical warning", Drive(kAccessNvme, {Attr(1, 0, 0, 4), Attr(5, 97, 10, 3)}), 97, kHealthBad, L"Bad"},
        {"nvme without percentage", Drive(kAccessNvme, {Attr(6, 100, 0, 12345)}), 100, kHealthGood, L"Good"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HealthStatus h = EvaluateHealth(c.drive);
        EXPECT_EQ(h.Percent, c.percent);
        EXPECT_EQ(h.Level, c.level);
        EXPECT_EQ(h.Text, c.text);
    }
}

TEST(DriveDisplay, HealthText) {
    struct Case {
        int percent;
        const wchar_t* text;
        const wchar_t* shown;
    } cases[] = {
        {100, L"Good", L"Good (100%)"},
        {98, L"Warning", L"Warning (98%)"},
        {100, L"Warning", L"Warning"},
        {100, L"Bad (Threshold Exceeded)", L"Bad (Threshold Exceeded)"},
        {95, L"Bad (Threshold Exceeded)", L"Bad (Threshold Exceeded) (95%)"},
        {0, L"Unknown", L"Unknown (0%)"},
        {5, L"Warning (Low Endurance Remaining)", L"Warning (Low Endurance Remaining) (5%)"},
    };
    for (const Case& c : cases) {
        HealthStatus h;
        h.Percent = c.percent;
        h.Text = c.text;
        EXPECT_EQ(FormatHealthText(h), c.shown);
    }
}

TEST(DriveDisplay, SizeText) {
    const std::pair<uint64_t, const wchar_t*> cases[] = {
        {2000398934016ull, L"2000.4 GB"}, {512110190592ull, L"512.11 GB"}, {500100000000ull, L"500.1 GB"},
        {500000000000ull, L"500 GB"},     {256060000000ull, L"256.06 GB"}, {0, L"0 GB"},
        {UINT64_MAX, L"18446744073.71 GB"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatSizeText(c.first), c.second) << c.first;

    DriveInfo info;
    info.DriveNumber = 2;
    info.Model = L"ACME SSD";
    info.Capacity = 500107862016ull;
    EXPECT_EQ(FormatDriveItemText(info), L"(2) ACME SSD : 500.11 GB");
}

TEST(DriveDisplay, RowSeverity) {
    struct Case {
        SmartAttribute a;
        int kind;
        RowSeverity severity;
    } cases[] = {
        {Attr(5, 100, 10, 3), kAccessAta, kSeverityWarning},
        {Attr(5, 9, 10, 3), kAccessAta, kSeverityFailing},
        {Attr(5, 10, 10, 0), kAccessBridge, kSeverityFailing},
        {Attr(197, 100, 0, 1), kAccessAta, kSeverityWarning},
        {Attr(198, 100, 0, 0), kAccessAta, kSeverityNormal},
        {Attr(9, 0, 0, 50000), kAccessAta, kSeverityNormal},  // threshold 0 is never red
        {Attr(3, 20, 21, 0), kAccessAta, kSeverityFailing},
        {Attr(1, 0, 0, 4), kAccessNvme, kSeverityFailing},
        {Attr(1, 0, 0, 0), kAccessNvme, kSeverityNormal},
        {Attr(5, 0, 10, 120), kAccessNvme, kSeverityNormal},
    };
    for (const Case& c : cases) EXPECT_EQ(GetRowSeverity(c.a, c.kind), c.severity) << int(c.a.Id) << "/" << c.kind;
}

TEST(DriveDisplay, AttributeRow) {
    SmartAttribute a = Attr(0xC2, 64, 0, 0x1E0F24);
    a.Worst = 40;
    a.Name = L"Temperature";
    EXPECT_EQ(FormatAttributeRow(a, kAccessAta),
              (std::array<std::wstring, 6>{L"C2", L"Temperature", L"64", L"40", L"0", L"0000001E0F24"}));
    SmartAttribute n = Attr(6, 100, 0, 0x123456789ABCDEFull);
    EXPECT_EQ(FormatAttributeRow(n, kAccessNvme),
              (std::array<std::wstring, 6>{L"06", L"", L"---", L"---", L"---", L"123456789ABCDEF"}));
}

}  // namespace
