#pragma once
// NVMe Identify Controller data and the SMART / Health Information log.
#include <cstddef>
#include <cstdint>

#include "smart/core/DriveInfo.h"

// Serial number, model and firmware from an Identify Controller block, and
// the total NVM capacity in bytes (0 when the controller does not report it).
// Bytes past the end of a short block read as 0 / end the texts.
void DecodeNvmeIdentify(const uint8_t* data, size_t size, DriveInfo& info, uint64_t& capacity);

// The texts of a drive whose Identify Controller request failed.
void SetGenericNvmeIdentity(DriveInfo& info);

// Fills everything the health log and the identified capacity define:
// geometry, temperature, interface texts, features and the four attributes
// (critical warning, percentage used, data units read and written). A
// composite temperature of 0 kelvin means the drive has no sensor, so the
// temperature stays unknown (0) instead of reading -273.
void DecodeNvmeHealthLog(const uint8_t* data, size_t size, uint64_t capacity, DriveInfo& info);
