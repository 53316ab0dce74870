// Feeds arbitrary bytes to the collectors' parsers of platform answers: the
// event-log record parser, the counter-instance list splitter and the WMI
// date-time parser. None may read outside its input or loop forever.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "collectors/core/CounterFigures.h"
#include "collectors/core/SoftwareRules.h"
#include "collectors/core/WmiRow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<EventLogRecord> records;
    ParseEventLogRecords(data, size, 10, &records);
    records.clear();
    ParseEventLogRecords(data, size, SIZE_MAX, &records);

    // The same bytes read as UTF-16 text.
    const size_t chars = size / 2;
    std::vector<wchar_t> text(chars);
    for (size_t i = 0; i < chars; ++i) text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    SplitNameList(text.data(), chars);

    std::wstring cim(text.begin(), text.end());
    uint64_t ft = 0;
    ParseCimDateTime(cim, &ft);
    std::wstring narrow(data, data + size);  // one character per byte hits the digit checks more often
    ParseCimDateTime(narrow, &ft);
    WmiDecimal64(WmiValue::Text(narrow));
    return 0;
}
