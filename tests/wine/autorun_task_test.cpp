// The logon task and the Run value against this system's task service and
// registry. This Task Scheduler registers and deletes tasks but refuses the
// run level and the logon trigger (E_NOTIMPL); what it accepts is checked
// here, the full definition by the host tests.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "services/Autorun.h"
#include "services/CTaskSchedulerSession.h"
#include "tests/common/TaskFolder.h"

namespace {

// The real service, with the two steps it has not implemented let through,
// so registration itself can be exercised.
class SessionWithoutUnimplementedSteps : public CTaskSchedulerSession {
public:
    bool SetRunLevel(TaskRunLevel level) override {
        return CTaskSchedulerSession::SetRunLevel(level) || LastError() == E_NOTIMPL;
    }
    bool CreateTrigger(TaskTriggerType type) override {
        return CTaskSchedulerSession::CreateTrigger(type) || LastError() == E_NOTIMPL;
    }
};

TEST(AutorunTask, RegistersReplacesAndDeletesThroughTheService) {
    DeleteAutorunTask();
    ASSERT_FALSE(AutorunTaskExists());
    ASSERT_TRUE(StoredTaskFiles(L"Orvanel Autorun").empty());

    {
        SessionWithoutUnimplementedSteps session;
        EXPECT_EQ(CreateAutorunTask(session, L"C:\\Old\\orvanel.exe"), 0);
    }
    {
        SessionWithoutUnimplementedSteps session;
        EXPECT_EQ(CreateAutorunTask(session, OwnProgramPath()), 0);
    }
    EXPECT_TRUE(AutorunTaskExists());
    EXPECT_EQ(StoredTaskFiles(L"Orvanel Autorun"), std::vector<std::wstring>{L"Orvanel Autorun"});

    EXPECT_EQ(DeleteAutorunTask(), 0);
    EXPECT_FALSE(AutorunTaskExists());
    EXPECT_TRUE(StoredTaskFiles(L"Orvanel Autorun").empty());
    // Deleting what is not there still reached the service.
    EXPECT_EQ(DeleteAutorunTask(), 0);
}

TEST(AutorunTask, AStepTheServiceRefusesMeansFailureAndNoTask) {
    {
        CTaskSchedulerSession probe;
        ASSERT_TRUE(probe.Open() && probe.NewDefinition());
        if (probe.SetRunLevel(TaskRunLevel::Highest)) GTEST_SKIP() << "this service accepts the run level";
        EXPECT_EQ(probe.LastError(), E_NOTIMPL);
    }
    EXPECT_EQ(CreateAutorunTask(OwnProgramPath()), 1);
    EXPECT_FALSE(AutorunTaskExists());
}

TEST(AutorunTask, WorksWhereCOMIsAlreadySetUp) {
    // Process security chosen earlier by someone else, as a WMI query does.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                         EOAC_NONE, nullptr);
    EXPECT_EQ(DeleteAutorunTask(), 0);
    CoUninitialize();

    // A thread that lives in a single-threaded apartment.
    int result = -1;
    bool exists = true;
    std::thread sta([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        result = DeleteAutorunTask();
        exists = AutorunTaskExists();
        CoUninitialize();
    });
    sta.join();
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(exists);
}

TEST(AutorunRunValue, OnlyTheProgramsValueGoes) {
    const wchar_t run[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, run, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t command[] = L"\"C:\\Orvanel\\orvanel.exe\" -auto";
    for (const wchar_t* name : {L"Orvanel", L"OrvanelTestNeighbour"})
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof(command));

    DeleteAutorunRunValue();
    EXPECT_EQ(RegQueryValueExW(key, L"Orvanel", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(key, L"OrvanelTestNeighbour", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    DeleteAutorunRunValue();  // nothing left to delete

    RegDeleteValueW(key, L"OrvanelTestNeighbour");
    RegCloseKey(key);
}

}  // namespace
