#pragma once
// The one place where a COM VARIANT becomes a WmiValue (kept apart from the
// query so the conversion can be tested against real VARIANTs).
#include <windows.h>
#include <oaidl.h>

#include "collectors/core/WmiRow.h"

WmiValue WmiValueFromVariant(const VARIANT& v);
