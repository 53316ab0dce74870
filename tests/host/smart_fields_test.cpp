// The four fields of the S.M.A.R.T. window for a drive that was read.
#include <gtest/gtest.h>

#include "smart/core/DriveDisplay.h"
#include "tests/common/SmartBlocks.h"

namespace {

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


TEST(DriveFields, RowColoursBySeverityAndAppearance) {
    struct Case {
        RowSeverity severity;
        bool dark;
        bool listDefault;
        uint32_t text, back;
    } cases[] = {
        {kSeverityNormal, true, false, ColourRgb(0, 255, 0), ColourRgb(0, 0, 0)},
        {kSeverityWarning, true, false, ColourRgb(255, 255, 0), ColourRgb(0, 0, 0)},
        {kSeverityFailing, true, false, ColourRgb(255, 0, 0), ColourRgb(0, 0, 0)},
        {kSeverityNormal, false, true, 0, 0},
        {kSeverityWarning, false, false, ColourRgb(120, 80, 0), ColourRgb(255, 248, 220)},
        {kSeverityFailing, false, false, ColourRgb(150, 0, 0), ColourRgb(255, 230, 230)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.severity << (c.dark ? " dark" : " light"));
        RowColours r = GetRowColours(c.severity, c.dark);
        EXPECT_EQ(r.ListDefault, c.listDefault);
        if (c.listDefault) continue;
        EXPECT_EQ(r.Text, c.text);
        EXPECT_EQ(r.Back, c.back);
    }
    EXPECT_EQ(ColourRgb(0x12, 0x34, 0x56), 0x563412u);  // the platform's COLORREF order
    EXPECT_EQ(GetDarkSeverityColour(kSeverityNormal), ColourRgb(0, 255, 0));
    EXPECT_EQ(GetDarkSeverityColour(kSeverityWarning), ColourRgb(255, 255, 0));
    EXPECT_EQ(GetDarkSeverityColour(kSeverityFailing), ColourRgb(255, 0, 0));
}

}  // namespace
