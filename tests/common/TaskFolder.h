#pragma once
// The task service's root folder as the tests see it: whether a task is
// there, and a plain task to put there. Uses only what this Wine's task
// service implements (no logon trigger, no run level, no count of the
// folder's tasks).
#include <windows.h>
#include <objbase.h>
#include <taskschd.h>

#include <string>
#include <vector>

#include "framework/Handles.h"

class TaskRootFolder {
public:
    TaskRootFolder() : m_com(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {
        VARIANT none;
        VariantInit(&none);
        BSTR root = SysAllocString(L"\\");
        if (SUCCEEDED(CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                       m_service.AsVoid())) &&
            SUCCEEDED(m_service->Connect(none, none, none, none)))
            m_service->GetFolder(root, &m_folder);
        SysFreeString(root);
    }
    ~TaskRootFolder() {
        m_folder.Release();
        m_service.Release();
        if (SUCCEEDED(m_com)) CoUninitialize();
    }
    TaskRootFolder(const TaskRootFolder&) = delete;
    TaskRootFolder& operator=(const TaskRootFolder&) = delete;

    bool Opened() const { return static_cast<bool>(m_folder); }

    bool HasTask(const std::wstring& name) {
        if (!m_folder) return false;
        BSTR path = SysAllocString((L"\\" + name).c_str());
        CComPtr<IRegisteredTask> task;
        const bool found = SUCCEEDED(m_folder->GetTask(path, &task));
        SysFreeString(path);
        return found;
    }

    // Registers a task with one program action under `name`.
    bool AddTask(const std::wstring& name, const std::wstring& program) {
        CComPtr<ITaskDefinition> definition;
        CComPtr<IActionCollection> actions;
        CComPtr<IAction> action;
        CComPtr<IExecAction> exec;
        if (!m_folder || FAILED(m_service->NewTask(0, &definition)) || FAILED(definition->get_Actions(&actions)) ||
            FAILED(actions->Create(TASK_ACTION_EXEC, &action)) ||
            FAILED(action->QueryInterface(IID_IExecAction, exec.AsVoid())))
            return false;
        BSTR path = SysAllocString(program.c_str());
        BSTR taskName = SysAllocString(name.c_str());
        VARIANT user, none, sddl;
        VariantInit(&none);
        VariantInit(&user);
        user.vt = VT_BSTR;
        user.bstrVal = SysAllocString(L"S-1-5-32-544");
        VariantInit(&sddl);
        sddl.vt = VT_BSTR;
        sddl.bstrVal = SysAllocString(L"");
        CComPtr<IRegisteredTask> registered;
        const bool done = SUCCEEDED(exec->put_Path(path)) &&
                          SUCCEEDED(m_folder->RegisterTaskDefinition(taskName, definition.Get(), TASK_CREATE_OR_UPDATE,
                                                                     user, none, TASK_LOGON_GROUP, sddl, &registered));
        SysFreeString(path);
        SysFreeString(taskName);
        VariantClear(&user);
        VariantClear(&sddl);
        return done;
    }

    void DeleteTask(const std::wstring& name) {
        if (!m_folder) return;
        BSTR taskName = SysAllocString(name.c_str());
        m_folder->DeleteTask(taskName, 0);
        SysFreeString(taskName);
    }

private:
    HRESULT m_com;
    CComPtr<ITaskService> m_service;
    CComPtr<ITaskFolder> m_folder;
};

// The files in which the service keeps the root folder's tasks whose names
// start with `prefix` (the service's own listing of a folder is not
// available here).
inline std::vector<std::wstring> StoredTaskFiles(const std::wstring& prefix) {
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    // A 32-bit program on a 64-bit system would see another System32.
    PVOID redirection = nullptr;
    const BOOL redirected = ::Wow64DisableWow64FsRedirection(&redirection);
    HANDLE find = ::FindFirstFileW((std::wstring(system) + L"\\Tasks\\" + prefix + L"*").c_str(), &found);
    if (redirected) ::Wow64RevertWow64FsRedirection(redirection);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    return names;
}
