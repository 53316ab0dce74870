#pragma once
// Display names of S.M.A.R.T. attributes: the ATA identifiers and the
// entries of the NVMe SMART / Health Information log.
#include <cstdint>
#include <string>

// NVMe catalogue for access kind 2 (kAccessNvme), ATA catalogue otherwise.
std::wstring GetAttributeName(uint8_t id, int accessKind);
