#pragma once
// One row of a WMI query as the collectors see it, and the conversions they
// apply to its properties. Nothing here knows about COM: the Windows side
// turns each VARIANT into a WmiValue, so the conversions (and any collector
// rule written against WmiRow) can be tested with fake rows on the host.
#include <cstdint>
#include <string>

struct CalendarFields;

// Tagged property value. Kinds outside the list (floating point, booleans,
// arrays, objects) arrive as Other; a property the row does not have, or
// one whose value is null, arrives as Null.
struct WmiValue {
    enum class Kind { Null, Text, Int32, UInt32, Int64, UInt64, SmallInt, Other };

    Kind kind = Kind::Null;
    std::wstring text;    // Kind::Text
    uint64_t bits = 0;    // integer kinds: the value, sign-extended for signed kinds

    static WmiValue Null() { return WmiValue(); }
    static WmiValue Text(std::wstring t);
    static WmiValue Int32(int32_t v);
    static WmiValue UInt32(uint32_t v);
    static WmiValue Int64(int64_t v);
    static WmiValue UInt64(uint64_t v);
    static WmiValue SmallInt(int32_t v);  // 8- and 16-bit integers
    static WmiValue Other() { WmiValue v; v.kind = Kind::Other; return v; }
};

// A result row. WmiQuery (collectors/WmiQuery.h) hands one to its callback
// per object the service returns; tests hand in their own.
class WmiRow {
public:
    virtual ~WmiRow() = default;
    virtual WmiValue Get(const wchar_t* property) const = 0;
};

// Text: the value when it is text, otherwise empty.
std::wstring WmiText(const WmiValue& v);
// Plain number: the low 32 bits of any integer kind, unsigned; 0 otherwise.
uint32_t WmiNumber(const WmiValue& v);
// Strict number: the value only when the kind is a 32-bit integer.
uint32_t WmiStrict32(const WmiValue& v);
// Unsigned 64-bit number, the way WMI hands over its 64-bit integer
// properties: as decimal text. A text that is not wholly a decimal number
// that fits gives 0; an integer kind gives its value.
uint64_t WmiDecimal64(const WmiValue& v);

// A CIM date-time text ("yyyymmddHHMMSS.mmmmmmsUUU", UUU = minutes east of
// UTC) as a UTC instant in 100-ns units since 1601-01-01. False for anything
// that is not a complete, valid date-time (including the wildcard and
// interval forms WMI also uses).
bool ParseCimDateTime(const std::wstring& text, uint64_t* utcFileTime);
