#pragma once
// The logon task that starts the program hidden in the notification area,
// and the three operations on it. The operations talk to the task service
// through TaskSchedulerSession: the program backs it with the platform's
// Task Scheduler, tests with a recorder that keeps what was set.
#include <string>

namespace autorun {
inline constexpr wchar_t kTaskName[] = L"Orvanel Autorun";
inline constexpr wchar_t kTaskPath[] = L"\\Orvanel Autorun";
inline constexpr wchar_t kAuthor[] = L"Velmora";
// The local Administrators group: the task runs at every logon of a member.
inline constexpr wchar_t kAdministrators[] = L"S-1-5-32-544";
inline constexpr wchar_t kArguments[] = L"-auto";
// The program lives in the notification area all day: no time limit.
inline constexpr wchar_t kNoTimeLimit[] = L"PT0S";
}  // namespace autorun

// Values as the Task Scheduler numbers them (the Windows adapter checks that).
enum class TaskRunLevel { LeastPrivilege = 0, Highest = 1 };
enum class TaskLogonType { Group = 4 };
enum class TaskTriggerType { Logon = 9 };
enum class TaskCreation { CreateOrUpdate = 6 };

// One conversation with the task service's root folder "\". Every call
// answers whether it succeeded; the session releases what it obtained (and
// leaves COM) when it is destroyed.
class TaskSchedulerSession {
public:
    virtual ~TaskSchedulerSession() = default;

    // Joins COM, sets up the process's COM security, connects to the local
    // service and opens the root folder.
    virtual bool Open() = 0;
    virtual bool DeleteTask(const std::wstring& name) = 0;
    // Opens the task at `path` and lets go of it at once.
    virtual bool OpenTask(const std::wstring& path) = 0;

    // Starts a new task definition; the service object is not kept after it.
    virtual bool NewDefinition() = 0;
    virtual bool SetAuthor(const std::wstring& author) = 0;
    virtual bool SetRunLevel(TaskRunLevel level) = 0;
    virtual bool SetStartWhenAvailable(bool on) = 0;
    virtual bool SetDisallowStartIfOnBatteries(bool on) = 0;
    virtual bool SetStopIfGoingOnBatteries(bool on) = 0;
    virtual bool SetExecutionTimeLimit(const std::wstring& limit) = 0;
    virtual bool CreateTrigger(TaskTriggerType type) = 0;
    virtual bool CreateExecAction(const std::wstring& path, const std::wstring& arguments) = 0;
    // Registers the definition in the root folder, with no password.
    virtual bool Register(const std::wstring& name, TaskCreation mode, const std::wstring& userId,
                          TaskLogonType logonType, const std::wstring& securityDescriptor) = 0;
};

// 0 when the task was registered for `programPath`, 1 otherwise. Any task of
// that name goes first, so the program's current path always wins.
int CreateAutorunTask(TaskSchedulerSession& session, const std::wstring& programPath);
// 0 when the root folder could be opened (whether a task was there or not),
// 1 otherwise.
int DeleteAutorunTask(TaskSchedulerSession& session);
bool AutorunTaskExists(TaskSchedulerSession& session);
