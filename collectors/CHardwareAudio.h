#pragma once
// Sound devices, playback endpoints, recording devices, master volume and
// output peak level. The lists are gathered once, at construction.
#include <string>
#include <vector>

#include "collectors/NoGathering.h"
#include "common/CObject.h"

class CHardwareAudio : public CObject {
public:
    CHardwareAudio();
    explicit CHardwareAudio(NoGathering) {}
    ~CHardwareAudio() override;

    // One entry per WMI sound device, parallel lists.
    std::vector<std::wstring> Captions;
    std::vector<std::wstring> Manufacturers;
    std::vector<std::wstring> Names;
    std::vector<std::wstring> Statuses;

    // Friendly names of the active playback endpoints, and the 1-based
    // position of the default one among them (0: not found).
    std::vector<std::wstring> OutputDevices;
    int DefaultOutput = 0;

    // Product names of the wave-in devices.
    std::vector<std::wstring> InputDevices;

    // Master volume of the default playback endpoint in percent, -1 on failure.
    int GetMasterVolume();
    // "%d" of GetMasterVolume, empty when it is not available.
    std::wstring GetVolumeText();
    // Current output peak in percent; -1 when there is no meter to ask.
    int GetPeakLevel();

private:
    void GatherSoundDevices();
    void GatherOutputDevices();
    void GatherInputDevices();
};
