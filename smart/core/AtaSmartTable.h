#pragma once
// The ATA S.M.A.R.T. attribute table: SMART READ DATA and SMART READ
// THRESHOLDS blocks, 30 entries of 12 bytes each starting at byte 2.
#include <cstddef>
#include <cstdint>

#include "smart/core/DriveInfo.h"

// Replaces info.Attributes with the table's entries in table order (entries
// with id 0 are unused and skipped), each with the threshold of the first
// threshold entry of the same id (0 when there is none or `thresholds` is
// null), named from the catalogue for info.AccessKind. Attribute 194 sets
// info.Temperature to its first raw byte. Entries that do not fit wholly in
// a short block are left out.
void BuildAtaAttributes(const uint8_t* data, size_t dataSize, const uint8_t* thresholds, size_t thresholdsSize,
                        DriveInfo& info);
