#pragma once
// A stand-in for the system assessment tool, for tests and screenshots: the
// recent-assessment query with its results and XML, and the assessment
// object, handed to a CWinSAT through its creation function.
//
//   FakeWinSAT tool;                // a valid assessment of 2024-05-17 09:30
//   CWinSAT winsat(tool.Creator());
//   ... tool.Update(42, 100, L"Assessing memory") / tool.Complete(S_OK, L"Done")
#include <windows.h>
#include <msxml.h>
#include <oleauto.h>

#include <functional>
#include <string>

#include "pages/CWinSAT.h"
#include "pages/CWinSATCom.h"

namespace fake_winsat {

// IUnknown (and IDispatch, refused) for one fake interface.
template <class I>
class Object : public I {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(I))) {
            *out = static_cast<I*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_refs;
        if (left == 0) delete this;
        return left;
    }
    virtual ~Object() = default;

private:
    ULONG m_refs = 1;
};

template <class I>
class Dispatch : public Object<I> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
};

}  // namespace fake_winsat

class FakeWinSAT {
public:
    // ---- The most recent assessment ----
    bool queryRegistered = true;  // false: the tool is absent, as under Wine
    bool infoAvailable = true;
    WINSAT_ASSESSMENT_STATE state = WINSAT_ASSESSMENT_STATE_VALID;
    SYSTEMTIME when{2024, 5, 5, 17, 9, 30, 12, 0};
    bool ratingAvailable = true;
    float rating = 8.1f;
    // By assessment kind: memory, processor, disk, Direct3D, graphics.
    float scores[5] = {9.1f, 9.1f, 8.2f, 7.0f, 8.1f};
    bool componentMissing[5] = {};
    // The assessment's XML document; empty: the XML cannot be queried.
    std::wstring xml;

    // ---- Assessments ----
    bool initiateRegistered = true;
    HRESULT startResult = S_OK;
    HRESULT cancelResult = S_OK;
    int starts = 0;
    int cancels = 0;
    HWND caller = nullptr;
    // Runs inside the start call, after the callbacks were taken.
    std::function<void(FakeWinSAT&)> onStart;

    FakeWinSAT() = default;
    FakeWinSAT(const FakeWinSAT&) = delete;
    FakeWinSAT& operator=(const FakeWinSAT&) = delete;
    ~FakeWinSAT() {
        if (m_reports) m_reports->Release();
    }

    CWinSAT::CreateObjectFn Creator() {
        return [this](REFCLSID clsid, REFIID iid, void** out) { return Create(clsid, iid, out); };
    }

    // Reports as the tool does, to the callbacks of the last start.
    void Update(UINT current, UINT total, const wchar_t* text) {
        if (m_reports) m_reports->WinSATUpdate(current, total, text);
    }
    void Complete(HRESULT status, const wchar_t* description) {
        if (m_reports) m_reports->WinSATComplete(status, description);
    }
    bool HasCallbacks() const { return m_reports != nullptr; }

    HRESULT Create(REFCLSID clsid, REFIID iid, void** out) {
        *out = nullptr;
        IUnknown* object = nullptr;
        if (IsEqualCLSID(clsid, CLSID_CQueryWinSAT) && queryRegistered)
            object = new Query(*this);
        else if (IsEqualCLSID(clsid, CLSID_CInitiateWinSAT) && initiateRegistered)
            object = new Initiate(*this);
        else
            return REGDB_E_CLASSNOTREG;
        const HRESULT hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }

private:
    class Component : public fake_winsat::Dispatch<IProvideWinSATAssessmentInfo> {
    public:
        explicit Component(float score) : m_score(score) {}
        HRESULT STDMETHODCALLTYPE get_Score(float* score) override {
            *score = m_score;
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE get_Title(BSTR* title) override {
            *title = nullptr;
            return E_NOTIMPL;
        }
        HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) override {
            *description = nullptr;
            return E_NOTIMPL;
        }

    private:
        float m_score;
    };

    class Results : public fake_winsat::Dispatch<IProvideWinSATResultsInfo> {
    public:
        explicit Results(const FakeWinSAT& tool) : m_tool(tool) {}
        HRESULT STDMETHODCALLTYPE GetAssessmentInfo(WINSAT_ASSESSMENT_TYPE kind,
                                                    IProvideWinSATAssessmentInfo** info) override {
            *info = nullptr;
            if (kind < 0 || kind > 4 || m_tool.componentMissing[kind]) return E_FAIL;
            *info = new Component(m_tool.scores[kind]);
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE get_AssessmentState(WINSAT_ASSESSMENT_STATE* state) override {
            *state = m_tool.state;
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE get_AssessmentDateTime(VARIANT* when) override {
            ::VariantInit(when);
            when->vt = VT_DATE;
            SYSTEMTIME st = m_tool.when;
            return ::SystemTimeToVariantTime(&st, &when->date) ? S_OK : E_FAIL;
        }
        HRESULT STDMETHODCALLTYPE get_SystemRating(float* level) override {
            if (!m_tool.ratingAvailable) return E_FAIL;
            *level = m_tool.rating;
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE get_RatingStateDesc(BSTR* description) override {
            *description = nullptr;
            return E_NOTIMPL;
        }

    private:
        const FakeWinSAT& m_tool;
    };

    class Query : public fake_winsat::Dispatch<IQueryRecentWinSATAssessment> {
    public:
        explicit Query(const FakeWinSAT& tool) : m_tool(tool) {}
        // The nodes that the path selects in the XML document (parsed by
        // the system's own XML parser).
        HRESULT STDMETHODCALLTYPE get_XML(BSTR path, BSTR, IXMLDOMNodeList** nodes) override {
            *nodes = nullptr;
            if (m_tool.xml.empty()) return E_FAIL;
            CLSID documentClass{};
            if (FAILED(::CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &documentClass))) return E_FAIL;
            IXMLDOMDocument* document = nullptr;
            HRESULT hr = ::CoCreateInstance(documentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                            reinterpret_cast<void**>(&document));
            if (FAILED(hr)) return hr;
            BSTR text = ::SysAllocString(m_tool.xml.c_str());
            VARIANT_BOOL loaded = VARIANT_FALSE;
            hr = document->loadXML(text, &loaded);
            ::SysFreeString(text);
            if (SUCCEEDED(hr) && loaded == VARIANT_TRUE) hr = document->selectNodes(path, nodes);
            else if (SUCCEEDED(hr)) hr = E_FAIL;
            document->Release();
            return hr;
        }
        HRESULT STDMETHODCALLTYPE get_Info(IProvideWinSATResultsInfo** info) override {
            *info = nullptr;
            if (!m_tool.infoAvailable) return E_FAIL;
            *info = new Results(m_tool);
            return S_OK;
        }

    private:
        const FakeWinSAT& m_tool;
    };

    class Initiate : public fake_winsat::Object<IInitiateWinSATAssessment> {
    public:
        explicit Initiate(FakeWinSAT& tool) : m_tool(tool) {}
        HRESULT STDMETHODCALLTYPE InitiateAssessment(LPCWSTR, IWinSATInitiateEvents*, HWND) override {
            return E_NOTIMPL;
        }
        HRESULT STDMETHODCALLTYPE InitiateFormalAssessment(IWinSATInitiateEvents* callbacks, HWND caller) override {
            ++m_tool.starts;
            m_tool.caller = caller;
            if (FAILED(m_tool.startResult)) return m_tool.startResult;
            // The tool keeps the callbacks until it has reported the end.
            if (m_tool.m_reports) m_tool.m_reports->Release();
            m_tool.m_reports = callbacks;
            if (callbacks) callbacks->AddRef();
            if (m_tool.onStart) m_tool.onStart(m_tool);
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE CancelAssessment() override {
            ++m_tool.cancels;
            return m_tool.cancelResult;
        }

    private:
        FakeWinSAT& m_tool;
    };

    IWinSATInitiateEvents* m_reports = nullptr;
};
