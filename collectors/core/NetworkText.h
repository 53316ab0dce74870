#pragma once
// Texts of one network adapter record: hardware address and adapter type.
#include <cstddef>
#include <cstdint>
#include <string>

// "00-1A-2B-3C-4D-5E": each byte as two upper-case hex digits, dash-separated.
// `length` is the record's own address length; it is never trusted beyond
// `capacity`, the size of the record's address array.
std::wstring FormatMacAddress(const uint8_t* bytes, size_t length, size_t capacity);

// Name of an interface type number (6 "Ethernet", 71 "IEEE 802.11", ...);
// empty for a type the program does not name.
std::wstring AdapterTypeText(unsigned type);
