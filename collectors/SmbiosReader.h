#pragma once
// Filling the SMBIOS holder from the firmware table (start-up, once).
class CDumpSMBIOS;

// Reads the raw table ('RSMB' provider) and walks it into `dump`, decoding
// its strings with the OEM code page as the firmware writes them. False when
// the platform has no table or it cannot be read; `dump` then stays as it was.
bool ReadSmbiosTable(CDumpSMBIOS& dump);
