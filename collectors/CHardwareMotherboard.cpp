// Win32: Win32_BaseBoard and Win32_BIOS.
#include "collectors/CHardwareMotherboard.h"

#include "collectors/WmiQuery.h"
#include "common/Format.h"

namespace {

// The property as text from the last row; empty when there is none.
std::wstring LastText(const wchar_t* wql, const wchar_t* property) {
    std::wstring result;
    WmiQuery(wql, [&](const WmiRow& row) { result = WmiText(row.Get(property)); });
    return result;
}

const wchar_t kBaseBoard[] = L"SELECT * FROM Win32_BaseBoard";
const wchar_t kBios[] = L"SELECT * FROM Win32_BIOS";

}  // namespace

std::wstring CHardwareMotherboard::GetBoardManufacturer() { return LastText(kBaseBoard, L"Manufacturer"); }
std::wstring CHardwareMotherboard::GetBoardProduct() { return LastText(kBaseBoard, L"Product"); }
std::wstring CHardwareMotherboard::GetBoardVersion() { return LastText(kBaseBoard, L"Version"); }
std::wstring CHardwareMotherboard::GetBiosManufacturer() { return LastText(kBios, L"Manufacturer"); }

std::wstring CHardwareMotherboard::GetBiosReleaseDate() {
    std::wstring result;
    WmiQuery(kBios, [&](const WmiRow& row) {
        CalendarFields local;
        // A row whose date does not convert keeps the previous row's date.
        if (WmiDateTime(row.Get(L"ReleaseDate"), &local))
            result = Format(L"%02d/%02d/%d", local.year, local.month, local.day);
    });
    return result;
}
