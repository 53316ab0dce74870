#include "collectors/CHardwareMotherboard.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintMotherboard(FactsContext&) {
    CHardwareMotherboard board;
    PrintFact(L"CHardwareMotherboard::GetBoardManufacturer", board.GetBoardManufacturer());
    PrintFact(L"CHardwareMotherboard::GetBoardProduct", board.GetBoardProduct());
    PrintFact(L"CHardwareMotherboard::GetBoardVersion", board.GetBoardVersion());
    PrintFact(L"CHardwareMotherboard::GetBiosManufacturer", board.GetBiosManufacturer());
    PrintFact(L"CHardwareMotherboard::GetBiosReleaseDate", board.GetBiosReleaseDate());
}

FactsRegistrar registrar(FactsArea::Motherboard, L"Motherboard", PrintMotherboard);

}  // namespace
