#include "services/CUpdate.h"

#include <shellapi.h>
#include <wininet.h>

#include <memory>
#include <string>
#include <vector>

#include "services/CRegistryKey.h"
#include "services/core/UpdateFile.h"
#include "services/core/UpdateSchedule.h"

namespace {

// Sent with every request; the maker's other product names the agent.
const wchar_t kUserAgent[] = L"Velmora Pulsebar";

class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET h) : m_h(h) {}
    ~CInternetHandle() {
        if (m_h) ::InternetCloseHandle(m_h);
    }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;
    HINTERNET Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }

private:
    HINTERNET m_h;
};

int64_t SecondsSince1970() {
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    const int64_t ticks = static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    return (ticks - 116444736000000000LL) / 10000000LL;
}

// Reads until the limit or the end of the answer; a server may hand a small
// file over in more than one piece. False when a read fails.
bool ReadBody(HINTERNET request, std::string& body) {
    char buffer[kUpdateFileMaxBytes];
    while (body.size() < kUpdateFileMaxBytes) {
        DWORD read = 0;
        if (!::InternetReadFile(request, buffer, static_cast<DWORD>(kUpdateFileMaxBytes - body.size()), &read))
            return false;
        if (read == 0) break;
        body.append(buffer, read);
    }
    return true;
}

}  // namespace

CUpdate::CUpdate(HWND owner, std::wstring prompt) : m_owner(owner), m_prompt(std::move(prompt)) {}

CUpdate::~CUpdate() = default;

bool CUpdate::IsDue() {
    CRegistryKey key;
    if (key.Create(HKEY_CURRENT_USER, kKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return false;
    const int64_t now = SecondsSince1970();
    std::wstring recorded;
    const LSTATUS status = key.QueryString(kLastCheckValue, 1024, recorded);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return false;
    const UpdateDue due = UpdateCheckDue(status == ERROR_SUCCESS ? &recorded : nullptr, now);
    if (due.record) key.SetString(kLastCheckValue, UpdateCheckRecord(now));
    return due.due;
}

bool CUpdate::ReadRunningVersion(DWORD& majorMinor, DWORD& buildRevision) {
    wchar_t path[520] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 520);
    if (length == 0 || length >= 520) return false;
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path, &handle);
    if (size == 0) return false;
    std::vector<BYTE> data(size);
    if (!::GetFileVersionInfoW(path, 0, size, data.data())) return false;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof(VS_FIXEDFILEINFO))
        return false;
    majorMinor = info->dwFileVersionMS;
    buildRevision = info->dwFileVersionLS;
    return true;
}

void CUpdate::Check(const std::wstring& address) {
    if (!IsDue()) return;
    DWORD running = 0, runningBuild = 0;
    if (!ReadRunningVersion(running, runningBuild)) return;

    CInternetHandle session(::InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        OnFailed(running, runningBuild);
        return;
    }
    CInternetHandle request(::InternetOpenUrlW(
        session.Get(), address.c_str(), nullptr, 0,
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE, 0));
    if (!request) {
        OnFailed(running, runningBuild);
        return;
    }
    // An error page (404, 500) opens like any other answer: only a 200 is the file.
    DWORD status = 0, statusSize = sizeof(status);
    if (!::HttpQueryInfoW(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &statusSize,
                          nullptr) ||
        status != HTTP_STATUS_OK) {
        OnFailed(running, runningBuild);
        return;
    }
    std::string body;
    if (!ReadBody(request.Get(), body)) return;
    if (body.empty()) {
        OnFailed(running, runningBuild);
        return;
    }
    const UpdateAnnouncement announced = ParseUpdateFile(body);
    if (!IsNewerVersion(announced.version, running)) {
        OnUpToDate(running, runningBuild);
        return;
    }
    // The address came over the network: never hand the shell anything
    // but a web page.
    if (!IsSecureWebAddress(announced.downloadAddress)) {
        OnFailed(running, runningBuild);
        return;
    }
    OnNewVersion(running, runningBuild, announced.version, 0, announced.downloadAddress);
}

void CUpdate::OnNewVersion(DWORD, DWORD, DWORD, DWORD, const std::wstring& downloadAddress) {
    if (::MessageBoxW(m_owner, m_prompt.c_str(), L"Orvanel", MB_ICONINFORMATION | MB_YESNO) == IDYES)
        ::ShellExecuteW(nullptr, L"open", downloadAddress.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void CUpdate::OnUpToDate(DWORD, DWORD) {}

void CUpdate::OnFailed(DWORD, DWORD) {}

namespace {

struct UpdateThreadStart {
    HWND owner;
    std::wstring address;
    std::wstring prompt;
};

DWORD WINAPI UpdateThread(void* parameter) {
    std::unique_ptr<UpdateThreadStart> start(static_cast<UpdateThreadStart*>(parameter));
    // The shell's "open" wants a single-threaded apartment on its thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    {
        CUpdate update(start->owner, start->prompt);
        update.Check(start->address);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return 0;
}

}  // namespace

void StartUpdateCheck(HWND owner, const std::wstring& address, const std::wstring& prompt) {
    auto* start = new UpdateThreadStart{owner, address, prompt};
    HANDLE thread = ::CreateThread(nullptr, 0, UpdateThread, start, 0, nullptr);
    if (thread)
        ::CloseHandle(thread);
    else
        delete start;
}
