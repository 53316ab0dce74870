#pragma once
// Decoding of the 512-byte ATA IDENTIFY DEVICE block.
#include <cstddef>
#include <cstdint>

#include "smart/core/DriveInfo.h"

// Fills Model, SerialNumber, Firmware, BufferSize, RotationRate, Interface,
// TransferMode, Standard, Features, SectorCount, the sector sizes,
// SectorFormat and Capacity from an IDENTIFY block. `viaBridge` selects the
// texts used when the drive sits behind a SCSI/USB bridge. A short or
// garbage block gives garbage values, never a read outside `data`.
void DecodeAtaIdentify(const uint8_t* data, size_t size, bool viaBridge, DriveInfo& info);
