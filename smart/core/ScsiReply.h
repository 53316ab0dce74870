#pragma once
// SCSI answers from drives behind a SCSI/USB bridge: whether a pass-through
// command worked, and the INQUIRY and LOG SENSE data the fallback reads.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "smart/core/DriveInfo.h"

// A command worked when the target answered GOOD, or CHECK CONDITION with a
// sense key of NO SENSE or RECOVERED ERROR: an ATA PASS-THROUGH sent with
// its check-condition bit always ends that way, carrying the ATA registers.
// If those registers are in the sense data and the ATA status has its error
// bit set, the drive refused the command. Anything else (ILLEGAL REQUEST from
// a bridge that knows no ATA PASS-THROUGH, BUSY, no sense data) is a failure.
bool ScsiCommandSucceeded(uint8_t scsiStatus, const std::vector<uint8_t>& sense);

// INQUIRY answer (only the bytes the platform reports transferred): Model is
// vendor + " " + product, Firmware the revision; both empty parts when
// fewer than 36 bytes came back. Sets the fixed serial number, interface
// and standard texts of a drive known only by INQUIRY.
void DecodeInquiry(const uint8_t* data, size_t size, DriveInfo& info);

// LOG SENSE answer for the informational-exceptions page (0x2F): stores the
// byte the program reads as the temperature (byte 12) and returns true, or
// returns false when the answer is another page or too short to hold it.
bool ReadLogSenseTemperature(const uint8_t* data, size_t size, int& temperature);
