#include "services/CTaskSchedulerSession.h"

#include <oleauto.h>

static_assert(static_cast<int>(TaskRunLevel::Highest) == TASK_RUNLEVEL_HIGHEST);
static_assert(static_cast<int>(TaskRunLevel::LeastPrivilege) == TASK_RUNLEVEL_LUA);
static_assert(static_cast<int>(TaskLogonType::Group) == TASK_LOGON_GROUP);
static_assert(static_cast<int>(TaskTriggerType::Logon) == TASK_TRIGGER_LOGON);
static_assert(static_cast<int>(TaskCreation::CreateOrUpdate) == TASK_CREATE_OR_UPDATE);

namespace {

class Bstr {
public:
    explicit Bstr(const std::wstring& s) : b_(::SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(b_); }
    BSTR Get() const { return b_; }

private:
    BSTR b_;
};

// A VARIANT holding a string, or nothing (VT_EMPTY) for an omitted value.
class StringVariant {
public:
    StringVariant() { ::VariantInit(&v_); }
    explicit StringVariant(const std::wstring& s) : StringVariant() {
        v_.vt = VT_BSTR;
        v_.bstrVal = ::SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    }
    StringVariant(const StringVariant&) = delete;
    StringVariant& operator=(const StringVariant&) = delete;
    ~StringVariant() { ::VariantClear(&v_); }
    const VARIANT& Get() const { return v_; }

private:
    VARIANT v_;
};

VARIANT_BOOL Flag(bool on) { return on ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

CTaskSchedulerSession::~CTaskSchedulerSession() {
    m_definition.Release();
    m_folder.Release();
    m_service.Release();
    if (m_leaveCom) ::CoUninitialize();
}

bool CTaskSchedulerSession::Check(HRESULT hr) {
    if (FAILED(hr)) m_lastError = hr;
    return SUCCEEDED(hr);
}

bool CTaskSchedulerSession::Open() {
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) {
        m_leaveCom = true;
    } else if (hr != RPC_E_CHANGED_MODE) {
        // A thread that already lives in a single-threaded apartment (the
        // user-interface thread after an assessment, say) can reach the
        // in-process service from there; anything else is a failure.
        return Check(hr);
    }

    hr = ::CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT_PRIVACY,
                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // Process security is set once per process; whoever set it first (a WMI
    // query does) already made a choice the service works with.
    if (FAILED(hr) && hr != RPC_E_TOO_LATE) return Check(hr);

    if (!Check(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                  m_service.AsVoid())))
        return false;
    const StringVariant none;
    if (!Check(m_service->Connect(none.Get(), none.Get(), none.Get(), none.Get()))) {
        m_service.Release();
        return false;
    }
    const Bstr root(L"\\");
    return Check(m_service->GetFolder(root.Get(), &m_folder));
}

bool CTaskSchedulerSession::DeleteTask(const std::wstring& name) {
    if (!m_folder) return false;
    const Bstr bName(name);
    return Check(m_folder->DeleteTask(bName.Get(), 0));
}

bool CTaskSchedulerSession::OpenTask(const std::wstring& path) {
    if (!m_folder) return false;
    const Bstr bPath(path);
    CComPtr<IRegisteredTask> task;
    return Check(m_folder->GetTask(bPath.Get(), &task));
}

bool CTaskSchedulerSession::NewDefinition() {
    if (!m_service) return false;
    const bool made = Check(m_service->NewTask(0, &m_definition));
    m_service.Release();
    return made;
}

bool CTaskSchedulerSession::SetAuthor(const std::wstring& author) {
    if (!m_definition) return false;
    CComPtr<IRegistrationInfo> info;
    if (!Check(m_definition->get_RegistrationInfo(&info))) return false;
    const Bstr bAuthor(author);
    return Check(info->put_Author(bAuthor.Get()));
}

bool CTaskSchedulerSession::SetRunLevel(TaskRunLevel level) {
    if (!m_definition) return false;
    CComPtr<IPrincipal> principal;
    if (!Check(m_definition->get_Principal(&principal))) return false;
    return Check(principal->put_RunLevel(static_cast<TASK_RUNLEVEL_TYPE>(level)));
}

bool CTaskSchedulerSession::Settings(CComPtr<ITaskSettings>& settings) {
    return m_definition && Check(m_definition->get_Settings(&settings));
}

bool CTaskSchedulerSession::SetStartWhenAvailable(bool on) {
    CComPtr<ITaskSettings> settings;
    return Settings(settings) && Check(settings->put_StartWhenAvailable(Flag(on)));
}

bool CTaskSchedulerSession::SetDisallowStartIfOnBatteries(bool on) {
    CComPtr<ITaskSettings> settings;
    return Settings(settings) && Check(settings->put_DisallowStartIfOnBatteries(Flag(on)));
}

bool CTaskSchedulerSession::SetStopIfGoingOnBatteries(bool on) {
    CComPtr<ITaskSettings> settings;
    return Settings(settings) && Check(settings->put_StopIfGoingOnBatteries(Flag(on)));
}

bool CTaskSchedulerSession::SetExecutionTimeLimit(const std::wstring& limit) {
    CComPtr<ITaskSettings> settings;
    const Bstr bLimit(limit);
    return Settings(settings) && Check(settings->put_ExecutionTimeLimit(bLimit.Get()));
}

bool CTaskSchedulerSession::CreateTrigger(TaskTriggerType type) {
    if (!m_definition) return false;
    CComPtr<ITriggerCollection> triggers;
    if (!Check(m_definition->get_Triggers(&triggers))) return false;
    CComPtr<ITrigger> trigger;
    return Check(triggers->Create(static_cast<TASK_TRIGGER_TYPE2>(type), &trigger));
}

bool CTaskSchedulerSession::CreateExecAction(const std::wstring& path, const std::wstring& arguments) {
    if (!m_definition) return false;
    CComPtr<IActionCollection> actions;
    if (!Check(m_definition->get_Actions(&actions))) return false;
    CComPtr<IAction> action;
    if (!Check(actions->Create(TASK_ACTION_EXEC, &action))) return false;
    CComPtr<IExecAction> exec;
    if (!Check(action->QueryInterface(IID_IExecAction, exec.AsVoid()))) return false;
    const Bstr bPath(path), bArguments(arguments);
    return Check(exec->put_Path(bPath.Get())) && Check(exec->put_Arguments(bArguments.Get()));
}

bool CTaskSchedulerSession::Register(const std::wstring& name, TaskCreation mode, const std::wstring& userId,
                                     TaskLogonType logonType, const std::wstring& securityDescriptor) {
    if (!m_folder || !m_definition) return false;
    const Bstr bName(name);
    const StringVariant user(userId), noPassword, sddl(securityDescriptor);
    CComPtr<IRegisteredTask> registered;
    return Check(m_folder->RegisterTaskDefinition(bName.Get(), m_definition.Get(), static_cast<LONG>(mode), user.Get(),
                                                  noPassword.Get(), static_cast<TASK_LOGON_TYPE>(logonType), sddl.Get(),
                                                  &registered));
}
