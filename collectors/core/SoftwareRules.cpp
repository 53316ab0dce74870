#include "collectors/core/SoftwareRules.h"

#include "collectors/core/CalendarFields.h"
#include "common/Format.h"
#include "common/Text.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The leading decimal digits as a number; 0 when there are none (or too many).
uint64_t LeadingNumber(const std::wstring& text) {
    uint64_t n = 0;
    return ParseDecimal64(text.substr(0, text.find_first_not_of(L"0123456789")), &n) ? n : 0;
}

}  // namespace

std::wstring WindowsGenerationName(const VersionTest& atLeast, const std::wstring* buildNumber) {
    if (atLeast(10, 0, 0)) {
        if (buildNumber == nullptr) return L"Windows 10";
        return LeadingNumber(*buildNumber) >= 22000 ? L"Windows 11" : L"Windows 10";
    }
    if (atLeast(6, 3, 0)) return L"Windows 8.1";
    if (atLeast(6, 2, 0)) return L"Windows 8";
    if (atLeast(6, 1, 0)) return L"Windows 7";
    if (atLeast(6, 0, 0)) return L"Windows Vista";
    if (atLeast(5, 1, 0)) return L"Windows XP";
    return std::wstring();
}

std::wstring ServicePackText(const VersionTest& atLeast) {
    if (atLeast(6, 1, 1) && !atLeast(6, 2, 0)) return L"1";  // Windows 7 SP1
    if (atLeast(6, 0, 2) && !atLeast(6, 1, 0)) return L"2";  // Vista SP2
    if (!atLeast(6, 0, 1) || atLeast(6, 0, 2)) {
        if (atLeast(5, 1, 3) && !atLeast(6, 0, 0)) return L"3";
        if (atLeast(5, 1, 2) && !atLeast(5, 1, 3)) return L"2";
        if (!atLeast(5, 1, 1) || atLeast(5, 1, 2)) return std::wstring();
        return L"1";  // XP SP1
    }
    return L"1";  // Vista SP1
}

std::wstring BitnessText(bool program64, bool underWow64) { return program64 || underWow64 ? L"64" : L"32"; }

std::wstring EditionName(uint32_t sku) {
    switch (sku) {
        case 0: return L"An unknown product";
        case 1: return L"Ultimate";
        case 2: return L"Home Basic";
        case 3: return L"Home Premium";
        case 4: return L"Enterprise";
        case 5: return L"Home Basic N";
        case 6: return L"Business";
        case 7: return L"Server Standard (full installation)";
        case 8: return L"Server Datacenter (full installation)";
        case 9: return L"Small Business Server";
        case 10: return L"Server Enterprise (full installation)";
        case 11: return L"Starter";
        case 12: return L"Server Datacenter (core installation, Windows Server 2008 R2 and earlier)";
        case 13: return L"Server Standard (core installation)";
        case 14: return L"Server Enterprise (core installation)";
        case 15: return L"Server Enterprise for Itanium-based Systems";
        case 16: return L"Business N";
        case 17: return L"Web Server (full installation)";
        case 18: return L"HPC Edition";
        case 19: return L"Storage Server 2008 R2 Essentials";
        case 20: return L"Storage Server Express";
        case 21: return L"Storage Server Standard";
        case 22: return L"Storage Server Workgroup";
        case 23: return L"Storage Server Enterprise";
        case 24: return L"Server 2008 for Windows Essential Server Solutions";
        case 25: return L"Small Business Server Premium";
        case 26: return L"Home Premium N";
        case 27: return L"Enterprise N";
        case 28: return L"Ultimate N";
        case 29: return L"Web Server (core installation)";
        case 30: return L"Essential Business Server Management Server";
        case 31: return L"Essential Business Server Security Server";
        case 32: return L"Essential Business Server Messaging Server";
        case 33: return L"Server Foundation";
        case 34: return L"Home Server 2011";
        case 35: return L"Server 2008 without Hyper-V for Windows Essential Server Solutions";
        case 36: return L"Server Standard without Hyper-V";
        case 37: return L"Server Datacenter without Hyper-V (full installation)";
        case 38: return L"Server Enterprise without Hyper-V (full installation)";
        case 39: return L"Server Datacenter without Hyper-V (core installation)";
        case 40: return L"Server Standard without Hyper-V (core installation)";
        case 41: return L"Server Enterprise without Hyper-V (core installation)";
        case 42: return L"Microsoft Hyper-V Server";
        case 43: return L"Storage Server Express (core installation)";
        case 44: return L"Storage Server Standard (core installation)";
        case 45: return L"Storage Server Workgroup (core installation)";
        case 46: return L"Storage Server Enterprise (core installation)";
        case 47: return L"Starter N";
        case 48: return L"Pro";
        case 49: return L"Pro N";
        case 50: return L"Small Business Server 2011 Essentials";
        case 51: return L"Server For SB Solutions";
        case 52: return L"Server Solutions Premium";
        case 53: return L"Server Solutions Premium (core installation)";
        case 54:
        case 55: return L"Server For SB Solutions EM";
        case 56: return L"MultiPoint Server";
        case 59: return L"Essential Server Solution Management";
        case 60: return L"Essential Server Solution Additional";
        case 61: return L"Essential Server Solution Management SVC";
        case 62: return L"Essential Server Solution Additional SVC";
        case 63: return L"Small Business Server Premium (core installation)";
        case 64: return L"Server Hyper Core V";
        case 66:
        case 67:
        case 68:
        case 69:
        case 71: return L"Not supported";
        case 70: return L"Enterprise E";
        case 72: return L"Enterprise Evaluation";
        case 76: return L"MultiPoint Server Standard (full installation)";
        case 77: return L"MultiPoint Server Premium (full installation)";
        case 79: return L"Server Standard (evaluation installation)";
        case 80: return L"Server Datacenter (evaluation installation)";
        case 84: return L"Enterprise N Evaluation";
        case 95: return L"Storage Server Workgroup (evaluation installation)";
        case 96: return L"Storage Server Standard (evaluation installation)";
        case 98: return L"Home N";
        case 99: return L"Home China";
        case 100: return L"Home Single Language";
        case 101: return L"Windows 10 Home";
        case 103: return L"Professional with Media Center";
        case 104: return L"Mobile";
        case 121: return L"Education";
        case 122: return L"Education N";
        case 123: return L"IoT Core";
        case 125: return L"Enterprise 2015 LTSB";
        case 126: return L"Enterprise 2015 LTSB N";
        case 129: return L"Enterprise 2015 LTSB Evaluationv";
        case 130: return L"Enterprise 2015 LTSB N Evaluation";
        case 131: return L"IoT Core Commercial";
        case 133: return L"Mobile Enterprise";
        case 145: return L"Server Datacenter, Semi-Annual Channel (core installation)";
        case 146: return L"Server Standard, Semi-Annual Channel (core installation)";
        case 161: return L"Pro for Workstations";
        case 162: return L"Pro for Workstations N";
        case 188: return L"IoT Enterprise";
        case 191: return L"IoT Enterprise LTSC";
        default: return std::wstring();
    }
}

std::wstring InstallDateText(const CalendarFields& t) {
    return Format(L"%02d/%02d/%d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::wstring EventTimeText(const CalendarFields& t) {
    return Format(L"%d-%d-%d %.2d:%.2d:%.2d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::wstring EventTypeName(unsigned type) {
    switch (type) {
        case 1: return L"Error";
        case 2: return L"Warning";
        case 4: return L"Information";
        case 8: return L"Audit Success";
        case 16: return L"Audit Failure";
        default: return std::wstring();
    }
}

size_t ParseEventLogRecords(const uint8_t* data, size_t size, size_t limit, std::vector<EventLogRecord>* out) {
    size_t taken = 0;
    size_t pos = 0;
    while (data != nullptr && taken < limit && size - pos >= kEventRecordHeaderSize) {
        const uint8_t* r = data + pos;
        const uint32_t length = Le32(r);
        if (length < kEventRecordHeaderSize || length > size - pos) break;

        EventLogRecord rec;
        rec.timeGenerated = Le32(r + 12);
        rec.eventId = Le32(r + 20);
        rec.eventType = static_cast<uint16_t>(r[24] | (r[25] << 8));
        // The source name follows the header, zero-terminated within the record.
        for (size_t i = kEventRecordHeaderSize; i + 1 < length; i += 2) {
            const wchar_t c = static_cast<wchar_t>(r[i] | (r[i + 1] << 8));
            if (c == L'\0') break;
            rec.source.push_back(c);
        }
        out->push_back(rec);
        ++taken;
        pos += length;
    }
    return taken;
}

std::wstring BuildNumberText(bool haveBuild, const std::wstring& build, bool haveRevision, uint32_t revision) {
    if (!haveBuild) return std::wstring();
    // The revision is an unsigned 32-bit registry value: printed as such, it
    // can never come out negative.
    if (haveRevision && revision != 0) return build + Format(L".%lu", static_cast<unsigned long>(revision));
    return build;
}
