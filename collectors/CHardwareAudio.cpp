// Win32: WMI sound devices, Core Audio endpoints, wave-in devices.
#include "collectors/CHardwareAudio.h"

#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
#include <mmsystem.h>
#include <propidl.h>

#include "collectors/MtaScope.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/AudioLevels.h"
#include "collectors/core/FixedText.h"
#include "framework/Handles.h"

// The SDK headers only forward-declare the meter interface.
MIDL_INTERFACE("C02216F6-8C67-4B5B-9D00-D008E73E0064")
IAudioMeterInformation : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 count, float* peaks) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD* mask) = 0;
};
__CRT_UUID_DECL(IAudioMeterInformation, 0xc02216f6, 0x8c67, 0x4b5b, 0x9d, 0x00, 0xd0, 0x08, 0xe7, 0x3e, 0x00, 0x64)

namespace {

// PKEY_Device_FriendlyName; defined here so no translation unit needs INITGUID.
const PROPERTYKEY kFriendlyNameKey = {{0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}},
                                      14};

// An endpoint identifier owned by COM's task allocator.
class EndpointId {
public:
    EndpointId() = default;
    ~EndpointId() { CoTaskMemFree(m_text); }
    EndpointId(const EndpointId&) = delete;
    EndpointId& operator=(const EndpointId&) = delete;
    LPWSTR* Put() { return &m_text; }
    bool Valid() const { return m_text != nullptr; }
    std::wstring Text() const { return m_text ? std::wstring(m_text) : std::wstring(); }

private:
    LPWSTR m_text = nullptr;
};

bool DefaultRenderEndpoint(DWORD context, ERole role, CComPtr<IMMDevice>& device) {
    CComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, context, __uuidof(IMMDeviceEnumerator),
                                enumerator.AsVoid())))
        return false;
    return SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, role, &device));
}

}  // namespace

CHardwareAudio::CHardwareAudio() {
    GatherSoundDevices();
    GatherOutputDevices();
    GatherInputDevices();
}

CHardwareAudio::~CHardwareAudio() = default;

void CHardwareAudio::GatherSoundDevices() {
    WmiQuery(L"SELECT * FROM Win32_SoundDevice", [this](const WmiRow& row) {
        Captions.push_back(WmiText(row.Get(L"Caption")));
        Manufacturers.push_back(WmiText(row.Get(L"Manufacturer")));
        Names.push_back(WmiText(row.Get(L"Name")));
        Statuses.push_back(WmiText(row.Get(L"Status")));
    });
}

void CHardwareAudio::GatherOutputDevices() {
    MtaScope com;
    if (!com.Joined()) return;
    CComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                                enumerator.AsVoid())))
        return;

    EndpointId defaultId;
    {
        CComPtr<IMMDevice> device;
        if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eMultimedia, &device)))
            device->GetId(defaultId.Put());
    }
    std::wstring defaultText = defaultId.Text();

    CComPtr<IMMDeviceCollection> endpoints;
    if (FAILED(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &endpoints))) return;
    UINT count = 0;
    if (FAILED(endpoints->GetCount(&count))) return;

    OutputEndpointList list{OutputDevices, DefaultOutput};
    for (UINT i = 0; i < count; ++i) {
        CComPtr<IMMDevice> device;
        if (FAILED(endpoints->Item(i, &device))) continue;
        EndpointId id;
        CComPtr<IPropertyStore> store;
        if (FAILED(device->GetId(id.Put())) || FAILED(device->OpenPropertyStore(STGM_READ, &store))) continue;
        PROPVARIANT name;
        PropVariantInit(&name);
        if (SUCCEEDED(store->GetValue(kFriendlyNameKey, &name)) && name.vt == VT_LPWSTR && name.pwszVal != nullptr)
            AddOutputEndpoint(list, id.Text(), name.pwszVal, defaultId.Valid() ? &defaultText : nullptr);
        PropVariantClear(&name);
    }
}

void CHardwareAudio::GatherInputDevices() {
    UINT count = waveInGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        WAVEINCAPSW caps = {};
        // A device that cannot describe itself is left out rather than listed
        // with whatever the capability record happened to hold.
        if (waveInGetDevCapsW(i, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        InputDevices.push_back(FixedText(caps.szPname, MAXPNAMELEN));
    }
}

int CHardwareAudio::GetMasterVolume() {
    MtaScope com;
    if (!com.Joined()) return -1;
    CComPtr<IMMDevice> device;
    if (!DefaultRenderEndpoint(CLSCTX_ALL, eMultimedia, device)) return -1;
    CComPtr<IAudioEndpointVolume> volume;
    if (FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, volume.AsVoid()))) return -1;
    float scalar = 0.0f;
    if (FAILED(volume->GetMasterVolumeLevelScalar(&scalar))) return -1;
    return ScalarToPercent(scalar);
}

std::wstring CHardwareAudio::GetVolumeText() { return VolumeText(GetMasterVolume()); }

int CHardwareAudio::GetPeakLevel() {
    MtaScope com;
    if (!com.Joined()) return -1;
    CComPtr<IMMDevice> device;
    if (!DefaultRenderEndpoint(CLSCTX_INPROC_SERVER, eConsole, device)) return -1;
    CComPtr<IAudioMeterInformation> meter;
    if (FAILED(device->Activate(__uuidof(IAudioMeterInformation), CLSCTX_ALL, nullptr, meter.AsVoid()))) return -1;
    // A meter that exists but cannot be read counts as silence.
    float peak = 0.0f;
    if (FAILED(meter->GetPeakValue(&peak))) peak = 0.0f;
    int percent = ScalarToPercent(peak);
    return percent < 0 ? 0 : percent;
}
