// WMI and performance-counter access against the real platform: VARIANT
// conversion, the query's row and failure behaviour, counters that exist
// and counters that do not.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <pdh.h>
#include <pdhmsg.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "collectors/CPdhСounter.h"
#include "collectors/WmiQuery.h"
#include "collectors/WmiVariant.h"

namespace {

TEST(WmiVariant, EveryVariantKindBecomesItsTaggedValue) {
    VARIANT v;
    VariantInit(&v);
    EXPECT_EQ(WmiValueFromVariant(v).kind, WmiValue::Kind::Null);  // VT_EMPTY

    V_VT(&v) = VT_NULL;
    EXPECT_EQ(WmiValueFromVariant(v).kind, WmiValue::Kind::Null);

    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(L"25276133376");
    WmiValue text = WmiValueFromVariant(v);
    VariantClear(&v);
    EXPECT_EQ(text.kind, WmiValue::Kind::Text);
    EXPECT_EQ(WmiDecimal64(text), 25276133376ull);

    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = nullptr;  // a null BSTR is an empty text
    EXPECT_EQ(WmiValueFromVariant(v).kind, WmiValue::Kind::Text);
    EXPECT_EQ(WmiText(WmiValueFromVariant(v)), L"");

    V_VT(&v) = VT_I4;
    V_I4(&v) = 2596;
    EXPECT_EQ(WmiStrict32(WmiValueFromVariant(v)), 2596u);

    V_VT(&v) = VT_UI8;
    V_UI8(&v) = 0x100000002ull;
    EXPECT_EQ(WmiDecimal64(WmiValueFromVariant(v)), 0x100000002ull);
    EXPECT_EQ(WmiNumber(WmiValueFromVariant(v)), 2u);

    V_VT(&v) = VT_I8;
    V_I8(&v) = -1;
    EXPECT_EQ(WmiValueFromVariant(v).kind, WmiValue::Kind::Int64);

    // An 8-bit value must not pick up the rest of the union.
    V_VT(&v) = VT_I4;
    V_I4(&v) = 0x7FFFFF00;
    V_VT(&v) = VT_UI1;
    V_UI1(&v) = 12;
    EXPECT_EQ(WmiNumber(WmiValueFromVariant(v)), 12u);
    EXPECT_EQ(WmiStrict32(WmiValueFromVariant(v)), 0u);

    V_VT(&v) = VT_I2;
    V_I2(&v) = -3;
    EXPECT_EQ(WmiNumber(WmiValueFromVariant(v)), 0xFFFFFFFDu);

    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = VARIANT_TRUE;
    EXPECT_EQ(WmiValueFromVariant(v).kind, WmiValue::Kind::Other);
    EXPECT_EQ(WmiNumber(WmiValueFromVariant(v)), 0u);
}

TEST(WmiQueryTest, DeliversRowsAndMissingPropertiesReadAsNull) {
    int rows = 0;
    std::wstring name;
    WmiValue missing = WmiValue::Text(L"x");
    EXPECT_TRUE(WmiQuery(L"SELECT * FROM Win32_Processor", [&](const WmiRow& row) {
        ++rows;
        name = WmiText(row.Get(L"Name"));
        missing = row.Get(L"NoSuchProperty");
    }));
    EXPECT_GE(rows, 1);
    EXPECT_NE(name, L"");
    EXPECT_EQ(missing.kind, WmiValue::Kind::Null);

    rows = 0;
    EXPECT_TRUE(WmiQuery(L"SELECT * FROM Win32_NoSuchClass", [&](const WmiRow&) { ++rows; }));
    EXPECT_EQ(rows, 0);
}

TEST(WmiQueryTest, QueriesRepeatWhileProcessSecurityIsAlreadySet) {
    // Another part of the process keeps COM up and has chosen the security
    // already; later queries must still run.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE,
                         nullptr, EOAC_NONE, nullptr);
    for (int i = 0; i < 2; ++i) {
        int rows = 0;
        EXPECT_TRUE(WmiQuery(L"SELECT * FROM Win32_OperatingSystem", [&](const WmiRow&) { ++rows; })) << i;
        EXPECT_EQ(rows, 1) << i;
    }
    CoUninitialize();
}

TEST(WmiQueryTest, SingleThreadedApartmentGetsNoRows) {
    std::thread worker([] {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        int rows = 0;
        EXPECT_FALSE(WmiQuery(L"SELECT * FROM Win32_Processor", [&](const WmiRow&) { ++rows; }));
        EXPECT_EQ(rows, 0);
        CoUninitialize();
    });
    worker.join();
}

TEST(WmiQueryTest, ACallbackThatThrowsEndsTheQueryQuietly) {
    EXPECT_FALSE(WmiQuery(L"SELECT * FROM Win32_Processor",
                          [](const WmiRow&) { throw std::runtime_error("out of memory"); }));
    // COM was left in order: the next query works.
    EXPECT_TRUE(WmiQuery(L"SELECT * FROM Win32_Processor", [](const WmiRow&) {}));
}

TEST(WmiDateTimeTest, ConvertsTheInstantNotTheWrittenFields) {
    CalendarFields a, b;
    ASSERT_TRUE(WmiDateTime(WmiValue::Text(L"20120608000000.000000+000"), &a));
    ASSERT_TRUE(WmiDateTime(WmiValue::Text(L"20120608023000.000000+150"), &b));
    EXPECT_EQ(a.year, 2012);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.hour, b.hour);
    EXPECT_EQ(a.minute, b.minute);

    CalendarFields untouched;
    untouched.year = 1999;
    EXPECT_FALSE(WmiDateTime(WmiValue::Text(L""), &untouched));
    EXPECT_FALSE(WmiDateTime(WmiValue::Text(L"2012-06-08"), &untouched));
    EXPECT_FALSE(WmiDateTime(WmiValue::UInt32(20120608), &untouched));
    EXPECT_EQ(untouched.year, 1999);
}

TEST(PdhCounter, ExistingCounterSamplesAndMissingOneFailsQuietly) {
    CPdhСounter processor;
    processor.Open(L"\\Processor(_Total)\\% Processor Time");
    ASSERT_TRUE(processor.IsOpen());
    Sleep(100);
    const int busy = processor.Sample();
    EXPECT_GE(busy, 0);
    EXPECT_LE(busy, 100);
    processor.Close();
    EXPECT_EQ(processor.Sample(), -1);

    CPdhСounter missing;
    missing.Open(L"\\No Such Object(_Total)\\No Such Counter");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Sample(), -1);
}

TEST(PdhCounter, InstanceEnumerationFollowsThePlatform) {
    // Where the platform can enumerate an object (Windows), its instances
    // come back; where it cannot (an unknown object, or a platform without
    // the call: Wine answers PDH_NOT_IMPLEMENTED), the list is empty.
    for (const wchar_t* object : {L"Processor", L"GPU Engine", L"No Such Object"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(object)));
        DWORD counters = 0, instances = 0;
        const PDH_STATUS status = PdhEnumObjectItemsW(nullptr, nullptr, object, nullptr, &counters, nullptr,
                                                      &instances, PERF_DETAIL_WIZARD, 0);
        const bool listed = status == static_cast<PDH_STATUS>(PDH_MORE_DATA) && instances > 0;
        std::vector<std::wstring> names = EnumCounterInstances(object);
        if (!listed) {
            EXPECT_TRUE(names.empty());
            continue;
        }
        for (const auto& n : names) EXPECT_FALSE(n.empty());
        if (std::wstring(object) == L"Processor")
            EXPECT_NE(std::find(names.begin(), names.end(), L"_Total"), names.end());
    }
    EXPECT_TRUE(EnumCounterInstances(L"No Such Object").empty());
}

}  // namespace
