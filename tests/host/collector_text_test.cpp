#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "collectors/core/AudioLevels.h"
#include "collectors/core/DriveSizeText.h"
#include "collectors/core/GraphicsText.h"

namespace {

TEST(DriveSizeText, GibibytesThenTheBytesAsReceived) {
    struct Case {
        const wchar_t* received;  // null: property missing
        const wchar_t* text;
    } cases[] = {
        {L"500107862016", L"465.76 GB (500107862016 bytes)"},
        {L"82252800000", L"76.60 GB (82252800000 bytes)"},
        {L"1073741824", L"1.00 GB (1073741824 bytes)"},
        {L"0", L"0.00 GB (0 bytes)"},
        {L"18446744073709551615", L"17179869184.00 GB (18446744073709551615 bytes)"},
        {nullptr, L"0.00 GB (0 bytes)"},
        // Anything but a plain decimal byte count is an unknown size rather
        // than a number of gigabytes next to a garbled byte count.
        {L"", L"0.00 GB (0 bytes)"},
        {L"12 345", L"0.00 GB (0 bytes)"},
        {L"-5", L"0.00 GB (0 bytes)"},
        {L"18446744073709551616", L"0.00 GB (0 bytes)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.received ? c.received : L"(missing)");
        std::wstring received = c.received ? c.received : L"";
        EXPECT_EQ(DriveSizeText(c.received ? &received : nullptr), c.text);
    }
}

TEST(AdapterMemoryText, WholeMebibytesOfA32BitCount) {
    EXPECT_EQ(AdapterMemoryText(2147483648u), L"2048 MBytes");
    EXPECT_EQ(AdapterMemoryText(536870912u), L"512 MBytes");
    EXPECT_EQ(AdapterMemoryText((1u << 20) - 1), L"0 MBytes");
    EXPECT_EQ(AdapterMemoryText(0xFFFFFFFFu), L"4095 MBytes");
}

TEST(ScalarToPercent, TruncatesInSinglePrecision) {
    struct Case {
        float scalar;
        int percent;
    } cases[] = {
        {0.289f, 28}, {0.29f, 29}, {0.35f, 35}, {1.0f, 100}, {0.0f, 0}, {0.009f, 0},
        // Out-of-range readings stay within the gauge's range.
        {1.5f, 100}, {-0.2f, 0}, {INFINITY, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scalar);
        EXPECT_EQ(ScalarToPercent(c.scalar), c.percent);
    }
    EXPECT_EQ(ScalarToPercent(NAN), -1);
}

TEST(VolumeText, EmptyWhenUnavailable) {
    EXPECT_EQ(VolumeText(35), L"35");
    EXPECT_EQ(VolumeText(0), L"0");
    EXPECT_EQ(VolumeText(-1), L"");
}

TEST(OutputEndpoints, DefaultPositionCountsFromOne) {
    std::vector<std::wstring> names;
    int position = 0;
    OutputEndpointList list{names, position};
    const std::wstring def = L"{0.0.0}.{b}";
    AddOutputEndpoint(list, L"{0.0.0}.{a}", L"Speakers", &def);
    AddOutputEndpoint(list, L"{0.0.0}.{b}", L"Headphones", &def);
    AddOutputEndpoint(list, L"{0.0.0}.{B}", L"HDMI", &def);  // ids compare exactly
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Speakers", L"Headphones", L"HDMI"}));
    EXPECT_EQ(position, 2);

    std::vector<std::wstring> names2;
    int none = 0;
    OutputEndpointList noDefault{names2, none};
    AddOutputEndpoint(noDefault, L"", L"Speakers", nullptr);
    EXPECT_EQ(none, 0);
}

}  // namespace
