#include "smart/core/ScsiReply.h"

#include "smart/core/DeviceText.h"

namespace {

constexpr uint8_t kStatusGood = 0x00;
constexpr uint8_t kStatusCheckCondition = 0x02;
constexpr uint8_t kSenseNoSense = 0x0;
constexpr uint8_t kSenseRecoveredError = 0x1;
constexpr uint8_t kAtaReturnDescriptor = 0x09;
constexpr uint8_t kAtaStatusError = 0x01;

// The ATA status register that a SAT bridge reports in the sense data, or
// -1 when the sense data carries none.
int AtaStatusFromSense(const std::vector<uint8_t>& sense) {
    const uint8_t format = sense[0] & 0x7F;
    if (format == 0x72 || format == 0x73) {
        if (sense.size() < 8) return -1;
        size_t end = 8 + size_t{sense[7]};
        if (end > sense.size()) end = sense.size();
        for (size_t p = 8; p + 2 <= end;) {
            const size_t length = 2 + size_t{sense[p + 1]};
            if (sense[p] == kAtaReturnDescriptor && p + 14 <= end) return sense[p + 13];
            p += length;
        }
        return -1;
    }
    // Fixed format: "ATA PASS-THROUGH INFORMATION AVAILABLE" puts the
    // registers into the information field, the status in byte 4.
    if (sense.size() >= 14 && sense[12] == 0x00 && sense[13] == 0x1D) return sense[4];
    return -1;
}

}  // namespace

bool ScsiCommandSucceeded(uint8_t scsiStatus, const std::vector<uint8_t>& sense) {
    if (scsiStatus == kStatusGood) return true;
    if (scsiStatus != kStatusCheckCondition || sense.empty()) return false;
    const uint8_t format = sense[0] & 0x7F;
    uint8_t key;
    if ((format == 0x70 || format == 0x71) && sense.size() >= 3) {
        key = sense[2] & 0x0F;
    } else if ((format == 0x72 || format == 0x73) && sense.size() >= 2) {
        key = sense[1] & 0x0F;
    } else {
        return false;
    }
    if (key != kSenseNoSense && key != kSenseRecoveredError) return false;
    const int ataStatus = AtaStatusFromSense(sense);
    return ataStatus < 0 || (ataStatus & kAtaStatusError) == 0;
}

void DecodeInquiry(const uint8_t* data, size_t size, DriveInfo& info) {
    const bool complete = data != nullptr && size >= 36;
    const std::wstring vendor = complete ? TrimDeviceText(data + 8, 8) : std::wstring();
    const std::wstring product = complete ? TrimDeviceText(data + 16, 16) : std::wstring();
    info.Model = vendor + L" " + product;
    info.SerialNumber = L"USB Flash Drive Link";
    info.Firmware = complete ? TrimDeviceText(data + 32, 4) : std::wstring();
    info.Interface = L"USB (Legacy)";
    info.Standard = L"SCSI SPC Compliant";
}

bool ReadLogSenseTemperature(const uint8_t* data, size_t size, int& temperature) {
    constexpr size_t kTemperatureByte = 12;
    if (data == nullptr || size <= kTemperatureByte || (data[0] & 0x3F) != 0x2F) return false;
    temperature = data[kTemperatureByte];
    return true;
}
