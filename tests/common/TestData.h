#pragma once
// Test helpers for the recorded data under tests/corpus: whole files as
// bytes and the reference readings (tab-separated, first line = column names).
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

inline std::string CorpusPath(const std::string& relative) { return std::string(CORPUS_DIR) + "/" + relative; }

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using TsvRow = std::map<std::string, std::string>;

inline std::vector<TsvRow> ReadTsv(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<TsvRow> rows;
    std::vector<std::string> names;
    std::string line;
    auto split = [](const std::string& l) {
        std::vector<std::string> cells;
        std::string cell;
        std::istringstream s(l);
        while (std::getline(s, cell, '\t')) cells.push_back(cell);
        if (!l.empty() && l.back() == '\t') cells.emplace_back();
        return cells;
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> cells = split(line);
        if (names.empty()) {
            names = cells;
            continue;
        }
        TsvRow row;
        for (size_t i = 0; i < names.size(); ++i) row[names[i]] = i < cells.size() ? cells[i] : std::string();
        rows.push_back(row);
    }
    return rows;
}

inline std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }
