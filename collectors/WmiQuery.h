#pragma once
// WMI access for the collectors: one WQL query on ROOT\CIMV2 per call, one
// callback per result row. Nothing is cached; COM is initialised (MTA) and
// uninitialised around every query, so a thread that is already a
// single-threaded apartment gets no rows.
//
//   std::wstring name;
//   WmiQuery(L"SELECT * FROM Win32_Processor", [&](const WmiRow& row) {
//       name = WmiText(row.Get(L"Name"));   // last row wins
//   });
//
// Property conversions (WmiText, WmiNumber, WmiStrict32, WmiDecimal64) are
// in collectors/core/WmiRow.h; WmiDateTime below adds the local-time step
// that needs the platform.
#include <functional>
#include <string>

#include "collectors/core/CalendarFields.h"
#include "collectors/core/WmiRow.h"

using WmiRowCallback = std::function<void(const WmiRow& row)>;

// Runs the query; true when it ran to the end of the result set. A failing
// step ends it silently (rows already delivered stay delivered). Exceptions
// thrown by the callback are swallowed and end the query.
bool WmiQuery(const std::wstring& wql, const WmiRowCallback& onRow);

// Where a class has several instances (adapters, boards, systems) a fact
// comes from the one WMI lists last: `text` makes it from that row; empty
// when the query gives no row.
std::wstring WmiLastRow(const std::wstring& wql, const std::function<std::wstring(const WmiRow& row)>& text);
// The same for one property as text.
std::wstring WmiLastText(const std::wstring& wql, const wchar_t* property);

// Date-time conversion: a CIM date-time text turned into the machine's local
// calendar fields. False (and `local` untouched) when the value is not text
// or not a valid date-time; callers then keep their previous result.
bool WmiDateTime(const WmiValue& v, CalendarFields* local);
// The date-time property of the last row whose value converts (a row whose
// value does not keeps the previous row's); false when no row's does.
bool WmiLastDateTime(const std::wstring& wql, const wchar_t* property, CalendarFields* local);
