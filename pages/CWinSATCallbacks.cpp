#include "pages/CWinSATCallbacks.h"

#include "pages/CWinSAT.h"
#include "pages/core/WinSATText.h"

CWinSATCallbacks::CWinSATCallbacks(CWinSAT* owner) : m_owner(owner) {}

HRESULT CWinSATCallbacks::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IWinSATInitiateEvents))) {
        *object = static_cast<IWinSATInitiateEvents*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CWinSATCallbacks::AddRef() { return ++m_refs; }

ULONG CWinSATCallbacks::Release() {
    const ULONG left = --m_refs;
    if (left == 0) delete this;
    return left;
}

HRESULT CWinSATCallbacks::WinSATComplete(HRESULT status, LPCWSTR description) {
    // The store lets go of its reference below; this call still needs the object.
    AddRef();
    if (CWinSAT* owner = m_owner) {
        const std::wstring text = WinSATCompletionText(status, description ? description : L"");
        // A copy: the handler may take itself out of the store.
        if (auto handler = owner->onComplete) handler(status, text);
        // The handler may have ended this run itself (the window closed).
        if (m_owner) owner->ReleaseAssessment();
    }
    Release();
    return S_OK;
}

HRESULT CWinSATCallbacks::WinSATUpdate(UINT currentTick, UINT tickTotal, LPCWSTR currentState) {
    CWinSAT* owner = m_owner;
    if (!owner) return S_OK;
    std::wstring text;
    if (!WinSATProgressText(currentTick, tickTotal, currentState ? currentState : L"", text)) return S_OK;
    if (auto handler = owner->onProgress) handler(text);
    return S_OK;
}
