// The logon task as the program defines it, against a task service that
// keeps what each call set.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "services/core/AutorunTask.h"

namespace {

struct Definition {
    std::optional<std::wstring> author;
    std::optional<TaskRunLevel> runLevel;
    std::optional<bool> startWhenAvailable, disallowOnBatteries, stopOnBatteries;
    std::optional<std::wstring> timeLimit;
    std::vector<TaskTriggerType> triggers;
    std::vector<std::pair<std::wstring, std::wstring>> actions;  // path, arguments
};

struct Registration {
    Definition definition;
    TaskCreation mode;
    std::wstring userId;
    TaskLogonType logonType;
    std::wstring securityDescriptor;
};

// The root folder of a task service shared by every session, and one
// session's calls. `failing` names the one call that fails.
struct FakeService {
    std::map<std::wstring, Registration> folder;
    std::wstring failing;
};

class FakeSession : public TaskSchedulerSession {
public:
    explicit FakeSession(FakeService& service) : m_service(service) {}
    std::vector<std::wstring> calls;

    bool Open() override { return Call(L"Open"); }
    bool DeleteTask(const std::wstring& name) override {
        if (!Call(L"DeleteTask")) return false;
        return m_service.folder.erase(name) == 1;
    }
    bool OpenTask(const std::wstring& path) override {
        return Call(L"OpenTask") && path.size() > 1 && path[0] == L'\\' && m_service.folder.count(path.substr(1));
    }
    bool NewDefinition() override {
        m_definition.emplace();
        return Call(L"NewDefinition");
    }
    bool SetAuthor(const std::wstring& v) override { return Set(L"SetAuthor", &Definition::author, v); }
    bool SetRunLevel(TaskRunLevel v) override { return Set(L"SetRunLevel", &Definition::runLevel, v); }
    bool SetStartWhenAvailable(bool v) override { return Set(L"SetStartWhenAvailable", &Definition::startWhenAvailable, v); }
    bool SetDisallowStartIfOnBatteries(bool v) override {
        return Set(L"SetDisallowStartIfOnBatteries", &Definition::disallowOnBatteries, v);
    }
    bool SetStopIfGoingOnBatteries(bool v) override { return Set(L"SetStopIfGoingOnBatteries", &Definition::stopOnBatteries, v); }
    bool SetExecutionTimeLimit(const std::wstring& v) override { return Set(L"SetExecutionTimeLimit", &Definition::timeLimit, v); }
    bool CreateTrigger(TaskTriggerType type) override {
        if (!Call(L"CreateTrigger") || !m_definition) return false;
        m_definition->triggers.push_back(type);
        return true;
    }
    bool CreateExecAction(const std::wstring& path, const std::wstring& arguments) override {
        if (!Call(L"CreateExecAction") || !m_definition) return false;
        m_definition->actions.emplace_back(path, arguments);
        return true;
    }
    bool Register(const std::wstring& name, TaskCreation mode, const std::wstring& userId, TaskLogonType logonType,
                  const std::wstring& sddl) override {
        if (!Call(L"Register") || !m_definition) return false;
        m_service.folder[name] = Registration{*m_definition, mode, userId, logonType, sddl};
        return true;
    }

private:
    bool Call(const wchar_t* name) {
        calls.push_back(name);
        return m_service.failing != name;
    }
    template <typename T, typename V>
    bool Set(const wchar_t* name, std::optional<T> Definition::*field, const V& value) {
        if (!Call(name) || !m_definition) return false;
        (*m_definition).*field = value;
        return true;
    }

    FakeService& m_service;
    std::optional<Definition> m_definition;
};

const wchar_t kProgram[] = L"C:\\Program Files\\Orvanel\\orvanel.exe";

TEST(AutorunTask, RegistersTheLogonTaskForTheAdministratorsGroup) {
    FakeService service;
    FakeSession session(service);
    ASSERT_EQ(CreateAutorunTask(session, kProgram), 0);

    ASSERT_EQ(service.folder.size(), 1u);
    ASSERT_EQ(service.folder.begin()->first, L"Orvanel Autorun");
    const Registration& task = service.folder.begin()->second;
    EXPECT_EQ(task.mode, TaskCreation::CreateOrUpdate);
    EXPECT_EQ(task.userId, L"S-1-5-32-544");
    EXPECT_EQ(task.logonType, TaskLogonType::Group);
    EXPECT_EQ(task.securityDescriptor, L"");

    const Definition& d = task.definition;
    EXPECT_EQ(d.author, L"Velmora");
    EXPECT_EQ(d.runLevel, TaskRunLevel::Highest);
    EXPECT_EQ(d.startWhenAvailable, true);
    EXPECT_EQ(d.disallowOnBatteries, false);
    // Neither three days nor a switch to the battery end the program.
    EXPECT_EQ(d.stopOnBatteries, false);
    EXPECT_EQ(d.timeLimit, L"PT0S");
    EXPECT_EQ(d.triggers, std::vector<TaskTriggerType>{TaskTriggerType::Logon});
    ASSERT_EQ(d.actions.size(), 1u);
    EXPECT_EQ(d.actions[0].first, kProgram);
    EXPECT_EQ(d.actions[0].second, L"-auto");
}

TEST(AutorunTask, CreatingAgainReplacesTheTaskWithTheNewPath) {
    FakeService service;
    {
        FakeSession first(service);
        ASSERT_EQ(CreateAutorunTask(first, L"C:\\Old\\orvanel.exe"), 0);
    }
    FakeSession second(service);
    ASSERT_EQ(CreateAutorunTask(second, kProgram), 0);
    ASSERT_EQ(service.folder.size(), 1u);
    const Definition& d = service.folder.at(L"Orvanel Autorun").definition;
    ASSERT_EQ(d.actions.size(), 1u);
    EXPECT_EQ(d.actions[0].first, kProgram);
    EXPECT_EQ(d.triggers.size(), 1u);
    // The old definition is gone before the new one is made.
    ASSERT_GE(second.calls.size(), 3u);
    EXPECT_EQ(second.calls[1], L"DeleteTask");
    EXPECT_EQ(second.calls[2], L"NewDefinition");
}

TEST(AutorunTask, AnyFailedStepRegistersNothing) {
    for (const wchar_t* step :
         {L"Open", L"NewDefinition", L"SetAuthor", L"SetRunLevel", L"SetStartWhenAvailable",
          L"SetDisallowStartIfOnBatteries", L"SetStopIfGoingOnBatteries", L"SetExecutionTimeLimit", L"CreateTrigger",
          L"CreateExecAction", L"Register"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(step)));
        FakeService service;
        service.failing = step;
        FakeSession session(service);
        EXPECT_EQ(CreateAutorunTask(session, kProgram), 1);
        EXPECT_TRUE(service.folder.empty());
        if (std::wstring(step) != L"Register") {
            EXPECT_EQ(std::count(session.calls.begin(), session.calls.end(), L"Register"), 0);
        }
    }
    // A program path that could not be read registers no task.
    FakeService service;
    FakeSession session(service);
    EXPECT_EQ(CreateAutorunTask(session, L""), 1);
    EXPECT_TRUE(service.folder.empty());
}

TEST(AutorunTask, DeletionCountsAsDoneOnceTheFolderIsOpen) {
    struct Case {
        bool taskThere;
        const wchar_t* failing;
        int result;
        bool seen, remains;
    } cases[] = {
        {true, L"", 0, true, false},
        {false, L"", 0, false, false},         // nothing to delete is not a failure
        {true, L"DeleteTask", 0, true, true},  // the deletion's own answer is not examined
        {true, L"Open", 1, false, true},       // no service: neither seen nor deleted
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.failing)) + (c.taskThere ? " with task" : " without"));
        FakeService service;
        if (c.taskThere) service.folder[L"Orvanel Autorun"] = Registration{};
        service.failing = c.failing;
        FakeSession probe(service);
        EXPECT_EQ(AutorunTaskExists(probe), c.seen);
        FakeSession session(service);
        EXPECT_EQ(DeleteAutorunTask(session), c.result);
        service.failing.clear();
        FakeSession after(service);
        EXPECT_EQ(AutorunTaskExists(after), c.remains);
    }
}

}  // namespace
