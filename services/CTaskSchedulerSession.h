#pragma once
// The platform's Task Scheduler (2.0 interfaces) behind TaskSchedulerSession:
// one COM call or two per step, on the calling thread.
#include <windows.h>
#include <taskschd.h>

#include "framework/Handles.h"
#include "services/core/AutorunTask.h"

class CTaskSchedulerSession : public TaskSchedulerSession {
public:
    CTaskSchedulerSession() = default;
    ~CTaskSchedulerSession() override;
    CTaskSchedulerSession(const CTaskSchedulerSession&) = delete;
    CTaskSchedulerSession& operator=(const CTaskSchedulerSession&) = delete;

    bool Open() override;
    bool DeleteTask(const std::wstring& name) override;
    bool OpenTask(const std::wstring& path) override;
    bool NewDefinition() override;
    bool SetAuthor(const std::wstring& author) override;
    bool SetRunLevel(TaskRunLevel level) override;
    bool SetStartWhenAvailable(bool on) override;
    bool SetDisallowStartIfOnBatteries(bool on) override;
    bool SetStopIfGoingOnBatteries(bool on) override;
    bool SetExecutionTimeLimit(const std::wstring& limit) override;
    bool CreateTrigger(TaskTriggerType type) override;
    bool CreateExecAction(const std::wstring& path, const std::wstring& arguments) override;
    bool Register(const std::wstring& name, TaskCreation mode, const std::wstring& userId, TaskLogonType logonType,
                  const std::wstring& securityDescriptor) override;

    // What the service answered to the last call that failed.
    HRESULT LastError() const { return m_lastError; }

private:
    bool Check(HRESULT hr);
    bool Settings(CComPtr<ITaskSettings>& settings);

    bool m_leaveCom = false;  // this session joined COM and leaves it again
    HRESULT m_lastError = S_OK;
    // Declared after the flag: released before COM is left.
    CComPtr<ITaskService> m_service;
    CComPtr<ITaskFolder> m_folder;
    CComPtr<ITaskDefinition> m_definition;
};
