#include "collectors/CHardwareStorage.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintStorage(FactsContext&) {
    CHardwareStorage storage;
    PrintFacts(L"CHardwareStorage::BytesPerSector", storage.BytesPerSector);
    PrintFacts(L"CHardwareStorage::Captions", storage.Captions);
    PrintFacts(L"CHardwareStorage::Descriptions", storage.Descriptions);
    PrintFacts(L"CHardwareStorage::DeviceIds", storage.DeviceIds);
    PrintFacts(L"CHardwareStorage::InterfaceTypes", storage.InterfaceTypes);
    PrintFacts(L"CHardwareStorage::Manufacturers", storage.Manufacturers);
    PrintFacts(L"CHardwareStorage::MediaTypes", storage.MediaTypes);
    PrintFacts(L"CHardwareStorage::Models", storage.Models);
    PrintFacts(L"CHardwareStorage::Names", storage.Names);
    PrintFacts(L"CHardwareStorage::SectorsPerTrack", storage.SectorsPerTrack);
    PrintFacts(L"CHardwareStorage::SizeTexts", storage.SizeTexts);
    PrintFacts(L"CHardwareStorage::Statuses", storage.Statuses);
    PrintFacts(L"CHardwareStorage::TotalCylinders", storage.TotalCylinders);
    PrintFacts(L"CHardwareStorage::TracksPerCylinder", storage.TracksPerCylinder);
    PrintFact(L"CHardwareStorage::GetIdleTime", storage.GetIdleTime());
}

FactsRegistrar registrar(FactsArea::Storage, L"Storage", PrintStorage);

}  // namespace
