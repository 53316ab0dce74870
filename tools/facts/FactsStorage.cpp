#include "collectors/CHardwareStorage.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintTexts(const wchar_t* operation, const std::vector<std::wstring>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, list[i]);
}

template <typename T>
void PrintNumbers(const wchar_t* operation, const std::vector<T>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, static_cast<long long>(list[i]));
}

void PrintStorage(FactsContext&) {
    CHardwareStorage storage;
    PrintNumbers(L"CHardwareStorage::BytesPerSector", storage.BytesPerSector);
    PrintTexts(L"CHardwareStorage::Captions", storage.Captions);
    PrintTexts(L"CHardwareStorage::Descriptions", storage.Descriptions);
    PrintTexts(L"CHardwareStorage::DeviceIds", storage.DeviceIds);
    PrintTexts(L"CHardwareStorage::InterfaceTypes", storage.InterfaceTypes);
    PrintTexts(L"CHardwareStorage::Manufacturers", storage.Manufacturers);
    PrintTexts(L"CHardwareStorage::MediaTypes", storage.MediaTypes);
    PrintTexts(L"CHardwareStorage::Models", storage.Models);
    PrintTexts(L"CHardwareStorage::Names", storage.Names);
    PrintNumbers(L"CHardwareStorage::SectorsPerTrack", storage.SectorsPerTrack);
    PrintTexts(L"CHardwareStorage::SizeTexts", storage.SizeTexts);
    PrintTexts(L"CHardwareStorage::Statuses", storage.Statuses);
    PrintNumbers(L"CHardwareStorage::TotalCylinders", storage.TotalCylinders);
    PrintNumbers(L"CHardwareStorage::TracksPerCylinder", storage.TracksPerCylinder);
    PrintFact(L"CHardwareStorage::GetIdleTime", storage.GetIdleTime());
}

FactsRegistrar registrar(FactsArea::Storage, L"Storage", PrintStorage);

}  // namespace
