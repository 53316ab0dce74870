// "-uninstalltask": the program removes its logon task and ends, showing
// nothing, with or without a task to remove.
#include <gtest/gtest.h>


#include "tests/common/TaskFolder.h"
#include "tests/e2e/support/Process.h"

namespace {

const wchar_t kTask[] = L"Orvanel Autorun";

TEST(UninstallTask, RemovesTheLogonTask) {
    {
        TaskRootFolder root;
        ASSERT_TRUE(root.AddTask(kTask, TestProgramFolder() + L"\\orvanel.exe"));
    }
    OrvanelProcess app(L"-uninstalltask");
    ASSERT_TRUE(app.WaitForExit(15000));
    EXPECT_TRUE(app.Windows().empty());
    TaskRootFolder root;
    EXPECT_FALSE(root.HasTask(kTask));
}

TEST(UninstallTask, WithoutATaskChangesNothingAndShowsNothing) {
    std::vector<std::wstring> before;
    {
        TaskRootFolder root;
        ASSERT_TRUE(root.Opened());
        root.DeleteTask(kTask);
        // Another program's task stays where it is.
        ASSERT_TRUE(root.AddTask(L"OrvanelTestNeighbour", L"C:\\windows\\notepad.exe"));
        before = StoredTaskFiles(L"");
    }
    OrvanelProcess app(L"-uninstalltask");
    ASSERT_TRUE(app.WaitForExit(15000));
    EXPECT_TRUE(app.Windows().empty());
    EXPECT_EQ(StoredTaskFiles(L""), before);
    TaskRootFolder root;
    EXPECT_TRUE(root.HasTask(L"OrvanelTestNeighbour"));
    EXPECT_FALSE(root.HasTask(kTask));
    root.DeleteTask(L"OrvanelTestNeighbour");
}

}  // namespace
