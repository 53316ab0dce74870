#pragma once
// The pieces of text and the row colouring the S.M.A.R.T. window shows for
// a drive; the window only places them.
#include <array>
#include <cstdint>
#include <string>

#include "smart/core/DriveInfo.h"
#include "smart/core/HealthStatus.h"

// Decimal gigabytes with at most two decimals and no trailing zeros:
// 500.11 GB, 500.1 GB, 500 GB.
std::wstring FormatSizeText(uint64_t capacity);

// The drive combo's item text: "(n) model : size".
std::wstring FormatDriveItemText(const DriveInfo& info);

// "Good (100%)", "Warning (98%)"; a warning or bad verdict at a full 100
// percent shows its text alone, since the percentage would contradict it.
std::wstring FormatHealthText(const HealthStatus& health);

enum RowSeverity : int {
    kSeverityNormal = 0,
    kSeverityWarning = 1,  // sector trouble counted in the raw value
    kSeverityFailing = 2,  // at or below its threshold, or an NVMe critical warning
};

RowSeverity GetRowSeverity(const SmartAttribute& attribute, int accessKind);

// Colours as the platform packs them: 0x00BBGGRR.
constexpr uint32_t ColourRgb(uint8_t r, uint8_t g, uint8_t b) {
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

// An attribute row's text and background. `ListDefault` leaves the list's
// own colours: a normal row in the light appearance needs no pointing out.
struct RowColours {
    bool ListDefault = true;
    uint32_t Text = 0;
    uint32_t Back = 0;
};
RowColours GetRowColours(RowSeverity severity, bool dark);

// The text colour of a severity in the dark appearance (green, yellow or
// red), for the attribute rows and the health field alike.
uint32_t GetDarkSeverityColour(RowSeverity severity);

// What the window's four fields show for a drive that was read.
struct DriveFields {
    std::wstring SerialNumber;  // blanks trimmed at both ends (some firmware pads in front)
    std::wstring Firmware;
    std::wstring Health;        // FormatHealthText of the drive's rating
    std::wstring Temperature;   // "41°C"; a drive without a sensor shows 0°C
    // Colours the health text by the rating's verdict, so "Warning (98%)"
    // reads as a warning just as a bare "Warning" does.
    RowSeverity HealthSeverity = kSeverityNormal;
};

DriveFields MakeDriveFields(const DriveInfo& info);

// The six columns of an attribute row: id (hex), name, current, worst,
// threshold ("---" for NVMe, whose entries have no normalised values) and
// the raw value as twelve hex digits.
std::array<std::wstring, 6> FormatAttributeRow(const SmartAttribute& attribute, int accessKind);
