#pragma once
// The machine's local calendar fields of a UTC instant, with the time-zone
// rules in force at that instant (so a winter date read in summer is not
// shifted by the daylight-saving hour).
#include <cstdint>

#include "collectors/core/CalendarFields.h"

// `utcFileTime`: 100-ns units since 1601-01-01 UTC.
bool LocalCalendarFromUtc(uint64_t utcFileTime, CalendarFields* local);
// The current UTC instant in the same units.
uint64_t CurrentUtcFileTime();
