#pragma once
// Filling the SMBIOS holder from the firmware table (start-up, once).
class CDumpSMBIOS;

// Makes the holder decode SMBIOS strings with the OEM code page, as the
// firmware writes them. Call once before ReadSmbiosTable.
void InstallSmbiosTextDecoder();

// Reads the raw table ('RSMB' provider) and walks it into `dump`. False when
// the platform has no table or it cannot be read; `dump` then stays as it was.
bool ReadSmbiosTable(CDumpSMBIOS& dump);
