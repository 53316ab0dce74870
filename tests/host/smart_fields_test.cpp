// The four fields of the S.M.A.R.T. window for a drive that was read.
#include <gtest/gtest.h>

#include "smart/core/DriveDisplay.h"

namespace {

SmartAttribute Attr(uint8_t id, uint8_t current, uint8_t threshold, uint64_t raw) {
    SmartAttribute a;
    a.Id = id;
    a.Current = current;
    a.Worst = current;
    a.Threshold = threshold;
    a.Raw = raw;
    return a;
}

TEST(DriveFields, TextsAndHealthColour) {
    struct Case {
        const char* what;
        int kind;
        std::vector<SmartAttribute> attributes;
        const wchar_t* health;
        RowSeverity severity;
    } cases[] = {
        {"good", kAccessAta, {Attr(5, 100, 10, 0)}, L"Good (100%)", kSeverityNormal},
        // A warning with its percentage is still a warning: the colour
        // follows the verdict, not the bare word.
        {"warning with percent", kAccessAta, {Attr(5, 100, 10, 24)}, L"Warning (98%)", kSeverityWarning},
        {"bad", kAccessAta, {Attr(5, 9, 10, 3)}, L"Bad (Threshold Exceeded)", kSeverityFailing},
        {"nvme critical", kAccessNvme, {Attr(1, 0, 0, 4), Attr(5, 97, 10, 3)}, L"Bad (97%)", kSeverityFailing},
        {"no data", kAccessAta, {}, L"Unknown (0%)", kSeverityNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DriveInfo info;
        info.AccessKind = c.kind;
        info.Attributes = c.attributes;
        DriveFields f = MakeDriveFields(info);
        EXPECT_EQ(f.Health, c.health);
        EXPECT_EQ(f.HealthSeverity, c.severity);
    }
}

TEST(DriveFields, SerialTrimmedFirmwareKeptTemperatureInCelsius) {
    DriveInfo info;
    info.SerialNumber = L"   WD-WCAV12345\t ";
    info.Firmware = L" 01.0A ";
    info.Temperature = 41;
    DriveFields f = MakeDriveFields(info);
    EXPECT_EQ(f.SerialNumber, L"WD-WCAV12345");
    EXPECT_EQ(f.Firmware, L" 01.0A ");
    EXPECT_EQ(f.Temperature, L"41\u00B0C");

    info.SerialNumber = L"    ";
    info.Temperature = 0;
    f = MakeDriveFields(info);
    EXPECT_EQ(f.SerialNumber, L"");
    EXPECT_EQ(f.Temperature, L"0\u00B0C");
}

}  // namespace
