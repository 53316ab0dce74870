#pragma once
// Joins the calling thread to the multithreaded COM apartment for one
// collector operation and leaves it again afterwards. Declare it before the
// operation's COM pointers, so they are released while COM is still up.
#include <windows.h>
#include <objbase.h>

class MtaScope {
public:
    MtaScope() : m_hr(CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~MtaScope() {
        if (SUCCEEDED(m_hr)) CoUninitialize();
    }
    MtaScope(const MtaScope&) = delete;
    MtaScope& operator=(const MtaScope&) = delete;

    // False on a thread that already belongs to a single-threaded apartment.
    bool Joined() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};
