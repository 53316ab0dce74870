#pragma once
// A WMI row made of given property values, for testing row rules on the host.
// A property that is not given reads as Null, as a missing one does from WMI.
#include <map>
#include <string>
#include <vector>

#include "collectors/core/WmiRow.h"

class FakeWmiRow : public WmiRow {
public:
    FakeWmiRow() = default;
    FakeWmiRow(std::initializer_list<std::pair<const std::wstring, WmiValue>> values) : values_(values) {}
    WmiValue Get(const wchar_t* property) const override {
        auto it = values_.find(property);
        return it == values_.end() ? WmiValue::Null() : it->second;
    }

private:
    std::map<std::wstring, WmiValue> values_;
};
