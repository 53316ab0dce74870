// The weekly update check against a loopback web server (started for this
// program by update_check_server.py), with the question box replaced by a
// record of which outcome the check reached.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <fstream>
#include <string>

#include "services/CRegistryKey.h"
#include "services/CUpdate.h"

namespace {

enum class Outcome { None, NewVersion, UpToDate, Failed };

const char* Name(Outcome o) {
    switch (o) {
        case Outcome::None: return "no outcome";
        case Outcome::NewVersion: return "new version";
        case Outcome::UpToDate: return "up to date";
        case Outcome::Failed: return "failed";
    }
    return "?";
}

class RecordingUpdate : public CUpdate {
public:
    // A running version of 0 reads the test program's own version resource.
    RecordingUpdate(DWORD majorMinor, DWORD buildRevision)
        : CUpdate(nullptr, L""), m_majorMinor(majorMinor), m_buildRevision(buildRevision) {}

    void OnNewVersion(DWORD running, DWORD build, DWORD announcedVersion, DWORD, const std::wstring& address) override {
        Record(Outcome::NewVersion, running, build);
        announced = announcedVersion;
        downloadAddress = address;
    }
    void OnUpToDate(DWORD running, DWORD build) override { Record(Outcome::UpToDate, running, build); }
    void OnFailed(DWORD running, DWORD build) override { Record(Outcome::Failed, running, build); }

    Outcome outcome = Outcome::None;
    int calls = 0;
    DWORD seenRunning = 0, seenBuild = 0, announced = 0;
    std::wstring downloadAddress;

protected:
    bool ReadRunningVersion(DWORD& majorMinor, DWORD& buildRevision) override {
        if (m_majorMinor == 0) return CUpdate::ReadRunningVersion(majorMinor, buildRevision);
        majorMinor = m_majorMinor;
        buildRevision = m_buildRevision;
        return true;
    }

private:
    void Record(Outcome o, DWORD running, DWORD build) {
        outcome = o;
        ++calls;
        seenRunning = running;
        seenBuild = build;
    }
    DWORD m_majorMinor, m_buildRevision;
};

std::wstring ServerFile(const char* name) {
    std::ifstream in(std::string(TEST_SERVER_DIR) + "/" + name);
    std::string text;
    std::getline(in, text);
    return std::wstring(text.begin(), text.end());
}

int64_t Now() { return static_cast<int64_t>(std::time(nullptr)); }

// The recorded time of the last check, kept aside and put back afterwards.
// The tests of this program run in parallel processes: one at a time here.
class LastCheckValue {
public:
    LastCheckValue() : m_lock(::CreateMutexW(nullptr, FALSE, L"OrvanelTestLastUpdateCheck")) {
        ::WaitForSingleObject(m_lock, INFINITE);
        m_key.Create(HKEY_CURRENT_USER, CUpdate::kKey, KEY_ALL_ACCESS);
        m_had = m_key.QueryString(CUpdate::kLastCheckValue, 1024, m_saved) == ERROR_SUCCESS;
    }
    ~LastCheckValue() {
        if (m_had)
            m_key.SetString(CUpdate::kLastCheckValue, m_saved);
        else
            m_key.DeleteValue(CUpdate::kLastCheckValue);
        ::ReleaseMutex(m_lock);
        ::CloseHandle(m_lock);
    }
    void Set(const std::wstring* value) {
        if (value)
            m_key.SetString(CUpdate::kLastCheckValue, *value);
        else
            m_key.DeleteValue(CUpdate::kLastCheckValue);
    }
    bool Get(std::wstring& value) const {
        return m_key.QueryString(CUpdate::kLastCheckValue, 1024, value) == ERROR_SUCCESS;
    }

private:
    HANDLE m_lock;
    CRegistryKey m_key;
    std::wstring m_saved;
    bool m_had = false;
};

constexpr int64_t kDay = 86400;
constexpr DWORD kVersion14 = 0x00010004;
const wchar_t kSite[] = L"https://orvanel.example/download";

TEST(UpdateCheck, AgainstTheLoopbackServer) {
    const std::wstring port = ServerFile("port"), closedPort = ServerFile("closed_port");
    ASSERT_FALSE(port.empty()) << "the update server is not running";
    ASSERT_FALSE(closedPort.empty());

    enum Recorded { Missing, EightDaysOld, OneDayOld, InTheFuture };
    struct Case {
        const char* what;
        Recorded recorded;
        const wchar_t* path;  // on the server; nullptr: the closed port
        DWORD running, runningBuild;  // 0: the program's own 1.4.0.0
        Outcome expected;
        DWORD announced;              // for a new version
        size_t addressLength;         // for a new version; 0: the site's address
    } cases[] = {
        {"first run only records the time", Missing, L"/v9.9.txt", 0, 0, Outcome::None, 0, 0},
        {"a week has passed", EightDaysOld, L"/v9.9.txt", 0, 0, Outcome::NewVersion, 0x00090009, 0},
        {"checked yesterday", OneDayOld, L"/v9.9.txt", 0, 0, Outcome::None, 0, 0},
        {"the clock went back", InTheFuture, L"/v9.9.txt", 0, 0, Outcome::NewVersion, 0x00090009, 0},
        {"1|4 against 1.4.0.0", EightDaysOld, L"/v1.4.txt", 0, 0, Outcome::UpToDate, 0, 0},
        {"1|5 against 1.4.0.0", EightDaysOld, L"/v1.5.txt", 0, 0, Outcome::NewVersion, 0x00010005, 0},
        {"2|0 against 1.4.0.0", EightDaysOld, L"/v2.0.txt", 0, 0, Outcome::NewVersion, 0x00020000, 0},
        {"1|4 against 1.4.2.0", EightDaysOld, L"/v1.4.txt", kVersion14, 0x00020000, Outcome::UpToDate, 0, 0},
        {"65537|0 reads as 1|0", EightDaysOld, L"/v65537.0.txt", 0x00000009, 0, Outcome::NewVersion, 0x00010000, 0},
        {"65537|0 is not newer than 1.4", EightDaysOld, L"/v65537.0.txt", 0, 0, Outcome::UpToDate, 0, 0},
        {"empty answer", EightDaysOld, L"/empty.txt", 0, 0, Outcome::Failed, 0, 0},
        {"no bar in the answer", EightDaysOld, L"/no-bar.txt", 0, 0, Outcome::UpToDate, 0, 0},
        {"404 with a newer-looking body", EightDaysOld, L"/missing.txt", 0, 0, Outcome::Failed, 0, 0},
        {"500 with a newer-looking body", EightDaysOld, L"/broken.txt", 0, 0, Outcome::Failed, 0, 0},
        {"nobody listening", EightDaysOld, nullptr, 0, 0, Outcome::Failed, 0, 0},
        {"10 MB answer: only 511 bytes read", EightDaysOld, L"/big.txt", 0, 0, Outcome::NewVersion, 0x00010005, 507},
        {"http download address", EightDaysOld, L"/http-address.txt", 0, 0, Outcome::Failed, 0, 0},
        {"file download address", EightDaysOld, L"/file-address.txt", 0, 0, Outcome::Failed, 0, 0},
    };

    LastCheckValue lastCheck;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int64_t now = Now();
        std::wstring before;
        switch (c.recorded) {
            case Missing: break;
            case EightDaysOld: before = std::to_wstring(now - 8 * kDay); break;
            case OneDayOld: before = std::to_wstring(now - kDay); break;
            case InTheFuture: before = std::to_wstring(now + 30 * kDay); break;
        }
        lastCheck.Set(c.recorded == Missing ? nullptr : &before);

        const std::wstring address =
            c.path ? L"http://127.0.0.1:" + port + c.path : L"http://127.0.0.1:" + closedPort + L"/v9.9.txt";
        RecordingUpdate update(c.running, c.runningBuild);
        const int64_t started = Now();
        update.Check(address);
        const int64_t ended = Now();

        EXPECT_EQ(Name(update.outcome), std::string(Name(c.expected)));
        EXPECT_LE(update.calls, 1);
        if (c.expected != Outcome::None) {
            EXPECT_EQ(update.seenRunning, c.running ? c.running : kVersion14);
            EXPECT_EQ(update.seenBuild, c.running ? c.runningBuild : 0u);
        }
        if (c.expected == Outcome::NewVersion) {
            EXPECT_EQ(update.announced, c.announced);
            if (c.addressLength) {
                EXPECT_EQ(update.downloadAddress.size(), c.addressLength);
                EXPECT_EQ(update.downloadAddress.rfind(kSite, 0), 0u);
            } else {
                EXPECT_EQ(update.downloadAddress, kSite);
            }
        }

        // A due check (and a first run) records its time; anything else leaves the value alone.
        std::wstring after;
        ASSERT_TRUE(lastCheck.Get(after));
        const bool recorded = c.recorded == Missing || c.recorded == EightDaysOld || c.recorded == InTheFuture;
        if (recorded) {
            EXPECT_GE(std::stoll(after), started);
            EXPECT_LE(std::stoll(after), ended);
        } else
            EXPECT_EQ(after, before);
    }
}

// The dialog box owned by `owner` (other programs' windows may carry the same caption).
struct BoxSearch {
    HWND owner, found;
};

BOOL CALLBACK FindOwnedBox(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<BoxSearch*>(p);
    wchar_t cls[16] = {};
    ::GetClassNameW(w, cls, 16);
    if (::GetWindow(w, GW_OWNER) == s->owner && std::wstring(cls) == L"#32770") s->found = w;
    return s->found == nullptr;
}

HWND OwnedBox(HWND owner) {
    BoxSearch search{owner, nullptr};
    ::EnumWindows(FindOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The program's own check: a worker thread asks the question in a box owned
// by the given window; answering No opens nothing.
TEST(UpdateCheck, WorkerThreadAsksInABoxOwnedByTheMainWindow) {
    const std::wstring port = ServerFile("port");
    ASSERT_FALSE(port.empty()) << "the update server is not running";
    LastCheckValue lastCheck;
    const int64_t started = Now();
    const std::wstring old = std::to_wstring(started - 8 * kDay);
    lastCheck.Set(&old);

    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const std::wstring prompt = L"New version of Orvanel is available. Do you want to download it?";
    StartUpdateCheck(owner, L"http://127.0.0.1:" + port + L"/v9.9.txt", prompt);

    // The box disables its owner, which is this thread's window: keep its messages flowing.
    HWND box = nullptr;
    for (int i = 0; i < 1000 && !box; ++i) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        box = OwnedBox(owner);
        if (!box) ::Sleep(10);
    }
    ASSERT_NE(box, nullptr) << "no question came up";
    wchar_t caption[64] = {};
    ::GetWindowTextW(box, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Orvanel");
    wchar_t text[256] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_EQ(std::wstring(text), prompt);
    EXPECT_NE(::GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(::GetDlgItem(box, IDNO), nullptr);

    ::PostMessageW(box, WM_COMMAND, IDNO, 0);
    for (int i = 0; i < 500 && ::IsWindow(box); ++i) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(10);
    }
    EXPECT_FALSE(::IsWindow(box));
    std::wstring after;
    ASSERT_TRUE(lastCheck.Get(after));
    EXPECT_GE(std::stoll(after), started);
    EXPECT_LE(std::stoll(after), Now());
    ::DestroyWindow(owner);
}

}  // namespace
