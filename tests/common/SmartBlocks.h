#pragma once
// Small builders for the byte blocks drives answer with, so that a test
// shows only the words and entries it is about.
#include <cstdint>
#include <string>
#include <vector>

#include "smart/core/DriveInfo.h"

// A 512-byte ATA IDENTIFY block.
struct IdentifyBlock {
    std::vector<uint8_t> Bytes = std::vector<uint8_t>(512, 0);

    IdentifyBlock& Word(size_t index, uint16_t value) {
        Bytes[2 * index] = static_cast<uint8_t>(value);
        Bytes[2 * index + 1] = static_cast<uint8_t>(value >> 8);
        return *this;
    }
    // An ATA string: space-padded, first character of each pair in the high byte.
    IdentifyBlock& Text(size_t firstWord, size_t words, const std::string& text) {
        std::string padded = text;
        padded.resize(words * 2, ' ');
        for (size_t i = 0; i < words; ++i) {
            Bytes[2 * (firstWord + i)] = static_cast<uint8_t>(padded[2 * i + 1]);
            Bytes[2 * (firstWord + i) + 1] = static_cast<uint8_t>(padded[2 * i]);
        }
        return *this;
    }
};

struct AttributeEntry {
    uint8_t Id;
    uint8_t Current;
    uint8_t Worst;
    uint64_t Raw;
    uint16_t Flags = 0;
};

// A SMART READ DATA block with the given entries in slots 0, 1, 2, ...
inline std::vector<uint8_t> SmartDataBlock(const std::vector<AttributeEntry>& entries) {
    std::vector<uint8_t> b(512, 0);
    for (size_t i = 0; i < entries.size() && i < 30; ++i) {
        uint8_t* e = &b[2 + 12 * i];
        e[0] = entries[i].Id;
        e[1] = static_cast<uint8_t>(entries[i].Flags);
        e[2] = static_cast<uint8_t>(entries[i].Flags >> 8);
        e[3] = entries[i].Current;
        e[4] = entries[i].Worst;
        for (int k = 0; k < 6; ++k) e[5 + k] = static_cast<uint8_t>(entries[i].Raw >> (8 * k));
    }
    return b;
}

// A SMART READ THRESHOLDS block from (id, threshold) pairs in slot order.
inline std::vector<uint8_t> ThresholdBlock(const std::vector<std::pair<uint8_t, uint8_t>>& entries) {
    std::vector<uint8_t> b(512, 0);
    for (size_t i = 0; i < entries.size() && i < 30; ++i) {
        b[2 + 12 * i] = entries[i].first;
        b[2 + 12 * i + 1] = entries[i].second;
    }
    return b;
}

// An NVMe SMART / Health Information log (512 bytes as the log defines it).
inline std::vector<uint8_t> NvmeHealthLog(uint8_t criticalWarning, uint16_t kelvin, uint8_t percentUsed,
                                          uint64_t unitsRead = 0, uint64_t unitsWritten = 0) {
    std::vector<uint8_t> b(512, 0);
    b[0] = criticalWarning;
    b[1] = static_cast<uint8_t>(kelvin);
    b[2] = static_cast<uint8_t>(kelvin >> 8);
    b[5] = percentUsed;
    for (int k = 0; k < 8; ++k) {
        b[32 + k] = static_cast<uint8_t>(unitsRead >> (8 * k));
        b[48 + k] = static_cast<uint8_t>(unitsWritten >> (8 * k));
    }
    return b;
}

// A decoded attribute whose worst value equals its current one.
inline SmartAttribute Attr(uint8_t id, uint8_t current, uint8_t threshold, uint64_t raw) {
    SmartAttribute a;
    a.Id = id;
    a.Current = current;
    a.Worst = current;
    a.Threshold = threshold;
    a.Raw = raw;
    return a;
}
