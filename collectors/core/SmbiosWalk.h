#pragma once
#include <cstddef>
#include <cstdint>

class CDumpSMBIOS;

// Walks a raw SMBIOS buffer as GetSystemFirmwareTable('RSMB') returns it
// (8-byte header: calling method, major, minor, DMI revision, table length;
// then the structure table), stores the version in `dump` and hands each
// structure of a known type to its handler. A malformed buffer ends the walk
// early; nothing outside [data, data + size) is ever read. Returns the number
// of structures visited.
size_t WalkSmbiosTable(const uint8_t* data, size_t size, CDumpSMBIOS& dump);
