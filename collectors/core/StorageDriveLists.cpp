#include "collectors/core/StorageDriveLists.h"

#include "collectors/core/DriveSizeText.h"
#include "collectors/core/WmiRow.h"

void StorageDriveLists::AppendDrive(const WmiRow& row) {
    BytesPerSector.push_back(WmiStrict32(row.Get(L"BytesPerSector")));
    Captions.push_back(WmiText(row.Get(L"Caption")));
    Descriptions.push_back(WmiText(row.Get(L"Description")));
    DeviceIds.push_back(WmiText(row.Get(L"DeviceID")));
    InterfaceTypes.push_back(WmiText(row.Get(L"InterfaceType")));
    Manufacturers.push_back(WmiText(row.Get(L"Manufacturer")));
    MediaTypes.push_back(WmiText(row.Get(L"MediaType")));
    Models.push_back(WmiText(row.Get(L"Model")));
    Names.push_back(WmiText(row.Get(L"Name")));
    SectorsPerTrack.push_back(WmiStrict32(row.Get(L"SectorsPerTrack")));
    // WMI delivers its 64-bit quantities as decimal text.
    WmiValue size = row.Get(L"Size");
    SizeTexts.push_back(DriveSizeText(size.kind == WmiValue::Kind::Text ? &size.text : nullptr));
    Statuses.push_back(WmiText(row.Get(L"Status")));
    TotalCylinders.push_back(WmiDecimal64(row.Get(L"TotalCylinders")));
    TracksPerCylinder.push_back(WmiStrict32(row.Get(L"TracksPerCylinder")));
}
