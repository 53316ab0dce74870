#include "smart/core/DriveDisplay.h"

#include "common/Text.h"

#include "common/Format.h"

std::wstring FormatSizeText(uint64_t capacity) {
    std::wstring text = Format(L"%.2f GB", static_cast<double>(capacity) / 1000000000.0);
    const std::wstring unit = L" GB";
    std::wstring number = text.substr(0, text.size() - unit.size());
    if (number.find(L'.') != std::wstring::npos) {
        while (!number.empty() && number.back() == L'0') number.pop_back();
        if (!number.empty() && number.back() == L'.') number.pop_back();
    }
    return number + unit;
}

std::wstring FormatDriveItemText(const DriveInfo& info) {
    return Format(L"(%d)", info.DriveNumber) +
           Format(L" %ls : %ls", info.Model.c_str(), FormatSizeText(info.Capacity).c_str());
}

std::wstring FormatHealthText(const HealthStatus& health) {
    const bool verdict = health.Text.find(L"Warning") != std::wstring::npos ||
                         health.Text.find(L"Bad") != std::wstring::npos;
    if (health.Percent == 100 && verdict) return health.Text;
    return Format(L"%ls (%d%%)", health.Text.c_str(), health.Percent);
}

RowSeverity GetRowSeverity(const SmartAttribute& a, int accessKind) {
    if (accessKind == kAccessNvme) return a.Id == 1 && a.Raw != 0 ? kSeverityFailing : kSeverityNormal;
    if (a.Threshold != 0 && a.Current <= a.Threshold) return kSeverityFailing;
    if ((a.Id == 5 || a.Id == 197 || a.Id == 198) && a.Raw != 0) return kSeverityWarning;
    return kSeverityNormal;
}

std::array<std::wstring, 6> FormatAttributeRow(const SmartAttribute& a, int accessKind) {
    const bool nvme = accessKind == kAccessNvme;
    auto value = [&](uint8_t v) { return nvme ? std::wstring(L"---") : Format(L"%d", v); };
    return {Format(L"%02X", a.Id),   a.Name,       value(a.Current), value(a.Worst), value(a.Threshold),
            Format(L"%012llX", static_cast<unsigned long long>(a.Raw))};
}

RowColours GetRowColours(RowSeverity severity, bool dark) {
    RowColours c;
    if (dark) {
        c.ListDefault = false;
        c.Back = ColourRgb(0, 0, 0);
        c.Text = GetDarkSeverityColour(severity);
    } else if (severity == kSeverityFailing) {
        c.ListDefault = false;
        c.Text = ColourRgb(150, 0, 0);
        c.Back = ColourRgb(255, 230, 230);
    } else if (severity == kSeverityWarning) {
        c.ListDefault = false;
        c.Text = ColourRgb(120, 80, 0);
        c.Back = ColourRgb(255, 248, 220);
    }
    return c;
}

uint32_t GetDarkSeverityColour(RowSeverity severity) {
    if (severity == kSeverityFailing) return ColourRgb(255, 0, 0);
    if (severity == kSeverityWarning) return ColourRgb(255, 255, 0);
    return ColourRgb(0, 255, 0);
}

DriveFields MakeDriveFields(const DriveInfo& info) {
    const HealthStatus health = EvaluateHealth(info);
    DriveFields f;
    f.SerialNumber = TrimWhiteSpace(info.SerialNumber);
    f.Firmware = info.Firmware;
    f.Health = FormatHealthText(health);
    f.Temperature = Format(L"%d\u00B0C", info.Temperature);
    if (health.Level == kHealthBad)
        f.HealthSeverity = kSeverityFailing;
    else if (health.Level == kHealthWarning)
        f.HealthSeverity = kSeverityWarning;
    return f;
}
