#include "collectors/CHardwareAudio.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintTexts(const wchar_t* operation, const std::vector<std::wstring>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, list[i]);
}

void PrintAudio(FactsContext&) {
    CHardwareAudio audio;
    PrintTexts(L"CHardwareAudio::Captions", audio.Captions);
    PrintTexts(L"CHardwareAudio::Manufacturers", audio.Manufacturers);
    PrintTexts(L"CHardwareAudio::Names", audio.Names);
    PrintTexts(L"CHardwareAudio::Statuses", audio.Statuses);
    PrintTexts(L"CHardwareAudio::OutputDevices", audio.OutputDevices);
    PrintFact(L"CHardwareAudio::DefaultOutput", audio.DefaultOutput);
    PrintTexts(L"CHardwareAudio::InputDevices", audio.InputDevices);
    PrintFact(L"CHardwareAudio::GetMasterVolume", audio.GetMasterVolume());
    PrintFact(L"CHardwareAudio::GetVolumeText", audio.GetVolumeText());
    PrintFact(L"CHardwareAudio::GetPeakLevel", audio.GetPeakLevel());
}

FactsRegistrar registrar(FactsArea::Audio, L"Audio", PrintAudio);

}  // namespace
