#pragma once
// The update file on the product site ("major|minor|download address") and
// the rules that decide what the program does with it.
#include <cstddef>
#include <cstdint>
#include <string>

// Only this many bytes of the file are ever read.
constexpr size_t kUpdateFileMaxBytes = 511;

struct UpdateAnnouncement {
    uint32_t version = 0;          // major x 65536 + minor, each cut to its low 16 bits
    std::wstring downloadAddress;  // the third field, white space around it removed
};

// Reads the first kUpdateFileMaxBytes bytes as UTF-8 (invalid sequences
// become U+FFFD) and splits them at "|"; missing fields are empty.
UpdateAnnouncement ParseUpdateFile(const std::string& bytes);

// A field's leading decimal digits as a number, only its low 16 bits kept
// (0 when it does not start with a digit).
uint16_t LeadingNumberLow16(const std::wstring& field);

// The running version's major-minor word against the announced one.
inline bool IsNewerVersion(uint32_t announced, uint32_t runningMajorMinor) { return announced > runningMajorMinor; }

// True for an absolute https address with a host (the scheme in any case)
// and nothing in it that a browser would not take as part of an address.
// The download address comes from the network: anything else could make the
// shell start a local program or document.
bool IsSecureWebAddress(const std::wstring& address);

// The update file's address on `site` ("https://host"): the Russian file when
// the language is exactly "Russian".
std::wstring UpdateFileAddress(const std::wstring& site, const std::wstring& language);

// UTF-8 bytes as wide text; invalid or cut-off sequences become U+FFFD.
std::wstring DecodeUtf8(const std::string& bytes);
