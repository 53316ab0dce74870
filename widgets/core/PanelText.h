#pragma once
// The lines of the text panels that are built from several facts.
#include <cstdint>
#include <string>

// "days:hh:mm:ss" of the milliseconds since the system started.
std::wstring UpTimeText(uint64_t milliseconds);

// The drive root with every "\" turned into a space, then "free MB / total MB"
// when the volume reports a size (no medium: the root alone).
std::wstring DriveLine(const std::wstring& root, uint64_t totalBytes, uint64_t freeBytes);

// "name (signal, Secured, Connected)" with the two words only where they apply.
std::wstring WirelessLine(const std::wstring& name, const std::wstring& signal, bool secured, bool connected,
                          const std::wstring& securedText, const std::wstring& connectedText);

// "Windows 10 Pro 64-bit", with " SP" only when there is a service pack.
std::wstring SystemLine(const std::wstring& windowsName, const std::wstring& edition,
                        const std::wstring& servicePack, const std::wstring& bitness, const std::wstring& bitText);
