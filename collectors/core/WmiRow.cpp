#include "collectors/core/WmiRow.h"

#include "collectors/core/CalendarFields.h"
#include "common/Text.h"

WmiValue WmiValue::Text(std::wstring t) {
    WmiValue v;
    v.kind = Kind::Text;
    v.text = std::move(t);
    return v;
}

namespace {

WmiValue Integer(WmiValue::Kind kind, uint64_t bits) {
    WmiValue v;
    v.kind = kind;
    v.bits = bits;
    return v;
}

bool IsInteger(const WmiValue& v) {
    switch (v.kind) {
        case WmiValue::Kind::Int32:
        case WmiValue::Kind::UInt32:
        case WmiValue::Kind::Int64:
        case WmiValue::Kind::UInt64:
        case WmiValue::Kind::SmallInt: return true;
        default: return false;
    }
}

// Reads exactly `count` decimal digits at text[pos].
bool Digits(const std::wstring& text, size_t pos, size_t count, int* out) {
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        const wchar_t c = text[pos + i];
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + (c - L'0');
    }
    *out = value;
    return true;
}

}  // namespace

WmiValue WmiValue::Int32(int32_t v) { return Integer(Kind::Int32, static_cast<uint64_t>(static_cast<int64_t>(v))); }
WmiValue WmiValue::UInt32(uint32_t v) { return Integer(Kind::UInt32, v); }
WmiValue WmiValue::Int64(int64_t v) { return Integer(Kind::Int64, static_cast<uint64_t>(v)); }
WmiValue WmiValue::UInt64(uint64_t v) { return Integer(Kind::UInt64, v); }
WmiValue WmiValue::SmallInt(int32_t v) {
    return Integer(Kind::SmallInt, static_cast<uint64_t>(static_cast<int64_t>(v)));
}

std::wstring WmiText(const WmiValue& v) { return v.kind == WmiValue::Kind::Text ? v.text : std::wstring(); }

uint32_t WmiNumber(const WmiValue& v) { return IsInteger(v) ? static_cast<uint32_t>(v.bits) : 0; }

uint32_t WmiStrict32(const WmiValue& v) {
    return v.kind == WmiValue::Kind::Int32 || v.kind == WmiValue::Kind::UInt32 ? static_cast<uint32_t>(v.bits) : 0;
}

uint64_t WmiDecimal64(const WmiValue& v) {
    if (IsInteger(v)) return v.bits;
    uint64_t n = 0;
    if (v.kind != WmiValue::Kind::Text || !ParseDecimal64(v.text, &n)) return 0;
    return n;
}

bool ParseCimDateTime(const std::wstring& text, uint64_t* utcFileTime) {
    // yyyymmddHHMMSS.mmmmmmsUUU
    if (text.size() != 25 || text[14] != L'.' || (text[21] != L'+' && text[21] != L'-')) return false;
    int year, month, day, hour, minute, second, micro, offset;
    if (!Digits(text, 0, 4, &year) || !Digits(text, 4, 2, &month) || !Digits(text, 6, 2, &day) ||
        !Digits(text, 8, 2, &hour) || !Digits(text, 10, 2, &minute) || !Digits(text, 12, 2, &second) ||
        !Digits(text, 15, 6, &micro) || !Digits(text, 22, 3, &offset))
        return false;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 || minute > 59 ||
        second > 59)
        return false;
    if (text[21] == L'-') offset = -offset;

    // The fields are local to a zone `offset` minutes east of UTC.
    const int64_t seconds = DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second -
                            static_cast<int64_t>(offset) * 60;
    const int64_t units = seconds * 10000000 + static_cast<int64_t>(micro) * 10 +
                          static_cast<int64_t>(kFileTimeUnixEpoch);
    if (units < 0) return false;  // before 1601: no file time
    *utcFileTime = static_cast<uint64_t>(units);
    return true;
}
