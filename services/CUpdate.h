#pragma once
// The weekly update check: once a week, read the update file on the product
// site and, when it announces a newer version than the running one, ask the
// user whether to open the download page. Runs on a worker thread of its own.
#include <windows.h>

#include <string>

class CUpdate {
public:
    // `owner` owns the question box (the main window); `prompt` is its text.
    CUpdate(HWND owner, std::wstring prompt);

    // The whole check of the file at `address`; does nothing unless a week
    // has passed since the last one (see UpdateCheckDue).
    virtual void Check(const std::wstring& address);
    virtual ~CUpdate();
    // The announced version is newer and its download address an https one.
    virtual void OnNewVersion(DWORD runningMajorMinor, DWORD runningBuildRevision, DWORD announced, DWORD reserved,
                              const std::wstring& downloadAddress);
    virtual void OnUpToDate(DWORD runningMajorMinor, DWORD runningBuildRevision);
    virtual void OnFailed(DWORD runningMajorMinor, DWORD runningBuildRevision);

    // Where the time of the last check is kept (under HKEY_CURRENT_USER).
    static constexpr const wchar_t* kKey = L"Software\\Velmora\\Orvanel";
    static constexpr const wchar_t* kLastCheckValue = L"LastUpdateCheck";

protected:
    // The file version of the running program (from its version resource).
    virtual bool ReadRunningVersion(DWORD& majorMinor, DWORD& buildRevision);

    HWND m_owner;
    std::wstring m_prompt;

private:
    bool IsDue();
};

// Starts the check of `address` on a worker thread that ends with it.
void StartUpdateCheck(HWND owner, const std::wstring& address, const std::wstring& prompt);
