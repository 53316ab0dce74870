#pragma once
// Size text of one physical drive, from the byte count WMI delivers as
// decimal text: "465.76 GB (500107862016 bytes)".
#include <string>

// The text shown when the size is unknown (no medium, no value).
extern const wchar_t* const kUnknownDriveSize;

// `sizeText` is null when the property could not be read. A text that is not
// a plain unsigned 64-bit decimal number counts as unknown too, so the
// parenthesised byte count is always a number.
std::wstring DriveSizeText(const std::wstring* sizeText);
