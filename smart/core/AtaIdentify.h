#pragma once
// Decoding of the 512-byte ATA IDENTIFY DEVICE block.
#include <cstddef>
#include <cstdint>

#include "smart/core/DriveInfo.h"

// Word `index` of an IDENTIFY block (little-endian); words past the end of
// a short block read as 0.
uint16_t IdentifyWord(const uint8_t* data, size_t size, size_t index);

// Fills Model, SerialNumber, Firmware, BufferSize, RotationRate, Interface,
// TransferMode, Standard, Features, SectorCount, the sector sizes,
// SectorFormat and Capacity from an IDENTIFY block. `viaBridge` selects the
// texts used when the drive sits behind a SCSI/USB bridge. A short or
// garbage block gives garbage values, never a read outside `data`.
void DecodeAtaIdentify(const uint8_t* data, size_t size, bool viaBridge, DriveInfo& info);
