#include "collectors/CHardwareAudio.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintAudio(FactsContext&) {
    CHardwareAudio audio;
    PrintFacts(L"CHardwareAudio::Captions", audio.Captions);
    PrintFacts(L"CHardwareAudio::Manufacturers", audio.Manufacturers);
    PrintFacts(L"CHardwareAudio::Names", audio.Names);
    PrintFacts(L"CHardwareAudio::Statuses", audio.Statuses);
    PrintFacts(L"CHardwareAudio::OutputDevices", audio.OutputDevices);
    PrintFact(L"CHardwareAudio::DefaultOutput", audio.DefaultOutput);
    PrintFacts(L"CHardwareAudio::InputDevices", audio.InputDevices);
    PrintFact(L"CHardwareAudio::GetMasterVolume", audio.GetMasterVolume());
    PrintFact(L"CHardwareAudio::GetVolumeText", audio.GetVolumeText());
    PrintFact(L"CHardwareAudio::GetPeakLevel", audio.GetPeakLevel());
}

FactsRegistrar registrar(FactsArea::Audio, L"Audio", PrintAudio);

}  // namespace
