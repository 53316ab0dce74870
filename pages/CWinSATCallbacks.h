#pragma once
// The COM object through which the assessment tool reports the progress and
// the end of a running assessment. It hands each report, as a status-line
// text, to the handlers of its score store.
#include <windows.h>

#include <atomic>

#include "pages/CWinSATCom.h"

class CWinSAT;

class CWinSATCallbacks final : public IWinSATInitiateEvents {
public:
    // Starts with one reference, held by `owner`.
    explicit CWinSATCallbacks(CWinSAT* owner);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // "Error 0x%x: <description>" for a failure, else the description, to
    // the completion handler; then the store lets go of the assessment.
    HRESULT STDMETHODCALLTYPE WinSATComplete(HRESULT status, LPCWSTR description) override;
    // "42%: <state>" to the progress handler; a report without a total
    // changes nothing.
    HRESULT STDMETHODCALLTYPE WinSATUpdate(UINT currentTick, UINT tickTotal, LPCWSTR currentState) override;

    // From now on reports are ignored: the store has let go of this run.
    void Detach() { m_owner = nullptr; }

private:
    ~CWinSATCallbacks() = default;  // only through Release

    std::atomic<ULONG> m_refs{1};
    CWinSAT* m_owner;
};
