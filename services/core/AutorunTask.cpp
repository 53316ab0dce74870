#include "services/core/AutorunTask.h"

int CreateAutorunTask(TaskSchedulerSession& session, const std::wstring& programPath) {
    // A task without a program would start nothing at every logon.
    if (programPath.empty() || !session.Open()) return 1;
    // An earlier registration may point at a path the program has left.
    session.DeleteTask(autorun::kTaskName);

    const bool built = session.NewDefinition() && session.SetAuthor(autorun::kAuthor) &&
                       session.SetRunLevel(TaskRunLevel::Highest) && session.SetStartWhenAvailable(true) &&
                       session.SetDisallowStartIfOnBatteries(false) &&
                       // The service's defaults would end the program after three days
                       // and whenever the computer switches to its battery.
                       session.SetStopIfGoingOnBatteries(false) &&
                       session.SetExecutionTimeLimit(autorun::kNoTimeLimit) &&
                       session.CreateTrigger(TaskTriggerType::Logon) &&
                       session.CreateExecAction(programPath, autorun::kArguments);
    if (!built) return 1;

    return session.Register(autorun::kTaskName, TaskCreation::CreateOrUpdate, autorun::kAdministrators,
                            TaskLogonType::Group, std::wstring())
               ? 0
               : 1;
}

int DeleteAutorunTask(TaskSchedulerSession& session) {
    if (!session.Open()) return 1;
    session.DeleteTask(autorun::kTaskName);
    return 0;
}

bool AutorunTaskExists(TaskSchedulerSession& session) { return session.Open() && session.OpenTask(autorun::kTaskPath); }
