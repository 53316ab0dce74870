// Win32: Win32_BaseBoard and Win32_BIOS.
#include "collectors/CHardwareMotherboard.h"

#include "collectors/WmiQuery.h"
#include "common/Format.h"

namespace {

const wchar_t kBaseBoard[] = L"SELECT * FROM Win32_BaseBoard";
const wchar_t kBios[] = L"SELECT * FROM Win32_BIOS";

}  // namespace

std::wstring CHardwareMotherboard::GetBoardManufacturer() { return WmiLastText(kBaseBoard, L"Manufacturer"); }
std::wstring CHardwareMotherboard::GetBoardProduct() { return WmiLastText(kBaseBoard, L"Product"); }
std::wstring CHardwareMotherboard::GetBoardVersion() { return WmiLastText(kBaseBoard, L"Version"); }
std::wstring CHardwareMotherboard::GetBiosManufacturer() { return WmiLastText(kBios, L"Manufacturer"); }

std::wstring CHardwareMotherboard::GetBiosReleaseDate() {
    CalendarFields local;
    if (!WmiLastDateTime(kBios, L"ReleaseDate", &local)) return std::wstring();
    return Format(L"%02d/%02d/%d", local.year, local.month, local.day);
}
