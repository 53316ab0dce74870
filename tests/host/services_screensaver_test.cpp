#include <gtest/gtest.h>

#include <string>

#include "services/core/ScreensaverSetup.h"

namespace {

TEST(ScreensaverSetup, WaitingTimeStaysWithinOneToNineThousandNineHundredNinetyNineMinutes) {
    struct Case {
        const wchar_t* text;
        int minutes;
    } cases[] = {
        {L"0", 1},     {L"", 1},         {L"1", 1},       {L"15", 15},   {L"9999", 9999},
        {L"10000", 9999}, {L"12345", 9999}, {L"99999999999999999999999", 9999}, {L"7x", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(WaitMinutesFromText(c.text), c.minutes) << c.text;

    EXPECT_EQ(WaitMinutesFromSeconds(300), 5);
    EXPECT_EQ(WaitMinutesFromSeconds(900), 15);
    EXPECT_EQ(WaitMinutesFromSeconds(119), 1);
    EXPECT_EQ(WaitMinutesFromSeconds(30), 1);   // under a minute still shows the smallest time
    EXPECT_EQ(WaitMinutesFromSeconds(-60), 1);
    EXPECT_EQ(WaitMinutesFromSeconds(100000 * 60LL), 9999);
}

TEST(ScreensaverSetup, PathDependsOnWhetherTheProgramRunsUnderWow64) {
    EXPECT_EQ(ScreensaverPath(L"C:\\Windows", L"C:\\Windows\\system32", true), L"C:\\Windows\\SysWOW64\\orvanel.scr");
    EXPECT_EQ(ScreensaverPath(L"C:\\Windows", L"C:\\Windows\\system32", false), L"C:\\Windows\\system32\\orvanel.scr");
}

TEST(ScreensaverSetup, OursOnlyWithTheExactPathAndActiveOne) {
    const std::wstring path = L"C:\\Windows\\SysWOW64\\orvanel.scr";
    const std::wstring other = L"C:\\Windows\\system32\\Mystify.scr", upper = L"C:\\WINDOWS\\SYSWOW64\\ORVANEL.SCR";
    const std::wstring one = L"1", zero = L"0", oneBlank = L"1 ";
    EXPECT_TRUE(ScreensaverIsOurs(&path, &one, path));
    EXPECT_FALSE(ScreensaverIsOurs(&other, &one, path));
    EXPECT_FALSE(ScreensaverIsOurs(&upper, &one, path));
    EXPECT_FALSE(ScreensaverIsOurs(&path, &zero, path));
    EXPECT_FALSE(ScreensaverIsOurs(&path, &oneBlank, path));
    EXPECT_FALSE(ScreensaverIsOurs(nullptr, &one, path));
    EXPECT_FALSE(ScreensaverIsOurs(&path, nullptr, path));
}

TEST(ScreensaverSetup, CommandLinesCarryTwoBlanksBeforeTheSwitch) {
    EXPECT_EQ(ScreensaverCommandLine(L"C:\\W\\orvanel.scr", ScreensaverStart::Preview), L"C:\\W\\orvanel.scr  /s");
    EXPECT_EQ(ScreensaverCommandLine(L"C:\\W\\orvanel.scr", ScreensaverStart::Settings), L"C:\\W\\orvanel.scr  /c");
}

}  // namespace
