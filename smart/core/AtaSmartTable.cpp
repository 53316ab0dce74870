#include "smart/core/AtaSmartTable.h"

#include "smart/core/AttributeCatalog.h"

namespace {

constexpr size_t kTableStart = 2;
constexpr size_t kEntrySize = 12;
constexpr size_t kEntries = 30;
constexpr uint8_t kTemperatureId = 194;

bool EntryFits(size_t index, size_t size) { return kTableStart + (index + 1) * kEntrySize <= size; }

uint8_t ThresholdFor(uint8_t id, const uint8_t* thresholds, size_t size) {
    if (thresholds == nullptr) return 0;
    for (size_t i = 0; i < kEntries && EntryFits(i, size); ++i) {
        const uint8_t* e = thresholds + kTableStart + i * kEntrySize;
        if (e[0] == id) return e[1];
    }
    return 0;
}

}  // namespace

void BuildAtaAttributes(const uint8_t* data, size_t dataSize, const uint8_t* thresholds, size_t thresholdsSize,
                        DriveInfo& info) {
    info.Attributes.clear();
    if (data == nullptr) return;
    for (size_t i = 0; i < kEntries && EntryFits(i, dataSize); ++i) {
        const uint8_t* e = data + kTableStart + i * kEntrySize;
        if (e[0] == 0) continue;
        SmartAttribute a;
        a.Id = e[0];
        a.Flags = static_cast<uint16_t>(e[1] | (e[2] << 8));
        a.Current = e[3];
        a.Worst = e[4];
        for (int b = 5; b >= 0; --b) a.Raw = (a.Raw << 8) | e[5 + b];
        a.Threshold = ThresholdFor(a.Id, thresholds, thresholdsSize);
        a.Name = GetAttributeName(a.Id, info.AccessKind);
        if (a.Id == kTemperatureId) info.Temperature = e[5];
        info.Attributes.push_back(a);
    }
}
