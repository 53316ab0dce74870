#include "smart/core/NvmeData.h"

#include "smart/core/AttributeCatalog.h"
#include "smart/core/DeviceText.h"

namespace {

uint8_t ByteAt(const uint8_t* data, size_t size, size_t i) { return data != nullptr && i < size ? data[i] : 0; }

// Little-endian value of `count` bytes (at most 8) from `offset`.
uint64_t ReadLe(const uint8_t* data, size_t size, size_t offset, size_t count) {
    uint64_t v = 0;
    for (size_t i = count; i-- > 0;) v = (v << 8) | ByteAt(data, size, offset + i);
    return v;
}

std::wstring FieldText(const uint8_t* data, size_t size, size_t offset, size_t length) {
    if (data == nullptr || offset >= size) return std::wstring();
    if (length > size - offset) length = size - offset;
    return TrimDeviceText(data + offset, length);
}

SmartAttribute MakeAttribute(uint8_t id, uint64_t raw, uint8_t current, uint8_t worst, uint8_t threshold) {
    SmartAttribute a;
    a.Id = id;
    a.Name = GetAttributeName(id, kAccessNvme);
    a.Raw = raw;
    a.Current = current;
    a.Worst = worst;
    a.Threshold = threshold;
    return a;
}

}  // namespace

void DecodeNvmeIdentify(const uint8_t* data, size_t size, DriveInfo& info, uint64_t& capacity) {
    info.SerialNumber = FieldText(data, size, 4, 20);
    info.Model = FieldText(data, size, 24, 40);
    info.Firmware = FieldText(data, size, 64, 8);
    // TNVMCAP is 128 bits wide; no drive comes near needing the upper half.
    capacity = ReadLe(data, size, 280, 8);
}

void SetGenericNvmeIdentity(DriveInfo& info) {
    info.Model = L"Generic NVMe SSD";
    info.SerialNumber = L"NVMe_SN_Unknown";
    info.Firmware = L"N/A";
}

void DecodeNvmeHealthLog(const uint8_t* data, size_t size, uint64_t capacity, DriveInfo& info) {
    info.LogicalSectorSize = 512;
    info.PhysicalSectorSize = 4096;
    info.SectorFormat = L"512e";
    const int kelvin = static_cast<int>(ReadLe(data, size, 1, 2));
    info.Temperature = kelvin == 0 ? 0 : kelvin - 273;
    info.Capacity = capacity;
    info.SectorCount = capacity / 512;
    info.Interface = L"NVMe (PCIe Bus)";
    info.TransferMode = L"NVM Express High-Speed (Direct)";
    info.RotationRate = 1;
    info.BufferSize = 0;
    info.Standard = L"NVMe Specification Compliant";
    info.Features = {L"S.M.A.R.T.", L"Dataset Management (TRIM/Deallocate)", L"Volatile Write Cache",
                     L"NVM Command Set"};

    const uint8_t criticalWarning = ByteAt(data, size, 0);
    const uint8_t used = ByteAt(data, size, 5);
    const uint8_t left = used <= 100 ? static_cast<uint8_t>(100 - used) : 0;
    info.Attributes.clear();
    info.Attributes.push_back(MakeAttribute(1, criticalWarning, 0, 0, 0));
    info.Attributes.push_back(MakeAttribute(5, used, left, left, 10));
    // Data units are 128-bit counters; the low 64 bits hold any real value.
    info.Attributes.push_back(MakeAttribute(6, ReadLe(data, size, 32, 8), 100, 0, 0));
    info.Attributes.push_back(MakeAttribute(7, ReadLe(data, size, 48, 8), 100, 0, 0));
}
