#include "pages/CWinSAT.h"

#include <objbase.h>
#include <oleauto.h>

#include <utility>

#include "framework/Handles.h"
#include "pages/CWinSATCallbacks.h"
#include "pages/CWinSATCom.h"
#include "pages/core/WinSATText.h"

namespace {

HRESULT CreateInProcess(REFCLSID clsid, REFIID iid, void** object) {
    return ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

// COM for one reading on the calling thread, left again at the end of the
// scope. Declare it before the reading's interface pointers.
class ApartmentScope {
public:
    ApartmentScope() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ApartmentScope() {
        if (SUCCEEDED(m_hr)) ::CoUninitialize();
    }
    ApartmentScope(const ApartmentScope&) = delete;
    ApartmentScope& operator=(const ApartmentScope&) = delete;

private:
    HRESULT m_hr;
};

// A BSTR freed at the end of the scope.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const wchar_t* text) : m_s(::SysAllocString(text)) {}
    ~Bstr() { ::SysFreeString(m_s); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR* operator&() {
        ::SysFreeString(m_s);
        m_s = nullptr;
        return &m_s;
    }
    BSTR Get() const { return m_s; }
    std::wstring Text() const { return m_s ? std::wstring(m_s, ::SysStringLen(m_s)) : std::wstring(); }

private:
    BSTR m_s = nullptr;
};

// The node's text, or its attribute `attribute` when one is named.
bool NodeText(IXMLDOMNode* node, const wchar_t* attribute, std::wstring& text) {
    Bstr value;
    if (!attribute) {
        if (FAILED(node->get_text(&value))) return false;
        text = value.Text();
        return true;
    }
    CComPtr<IXMLDOMNamedNodeMap> attributes;
    if (FAILED(node->get_attributes(&attributes)) || !attributes) return false;
    CComPtr<IXMLDOMNode> item;
    Bstr name(attribute);
    if (attributes->getNamedItem(name.Get(), &item) != S_OK || !item) return false;
    if (FAILED(item->get_text(&value))) return false;
    text = value.Text();
    return true;
}

}  // namespace

CWinSAT::CWinSAT() : CWinSAT(CreateInProcess) {}

CWinSAT::CWinSAT(CreateObjectFn create) : m_create(std::move(create)) { ReadScores(); }

CWinSAT::~CWinSAT() {
    ReleaseAssessment();
    if (m_inApartment) ::CoUninitialize();
}

void CWinSAT::SetCreateObject(CreateObjectFn create) { m_create = std::move(create); }

HRESULT CWinSAT::CreateObject(REFCLSID clsid, REFIID iid, void** object) const {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!m_create) return REGDB_E_CLASSNOTREG;
    return m_create(clsid, iid, object);
}

void CWinSAT::ReadScores() {
    ReadScoresFromInfo();
    if (baseScore.empty()) ReadScoresFromXml();
}

void CWinSAT::ClearScores() {
    for (std::wstring* s : {&baseScore, &processorScore, &diskScore, &graphicsScore, &memoryScore, &lastUpdate})
        s->clear();
}

void CWinSAT::ReadScoresFromInfo() {
    ApartmentScope com;
    CComPtr<IQueryRecentWinSATAssessment> query;
    if (FAILED(CreateObject(CLSID_CQueryWinSAT, __uuidof(IQueryRecentWinSATAssessment), query.AsVoid())) || !query)
        return;
    CComPtr<IProvideWinSATResultsInfo> info;
    if (FAILED(query->get_Info(&info)) || !info) return;
    WINSAT_ASSESSMENT_STATE state = WINSAT_ASSESSMENT_STATE_UNKNOWN;
    if (FAILED(info->get_AssessmentState(&state))) return;
    if (state != WINSAT_ASSESSMENT_STATE_VALID && state != WINSAT_ASSESSMENT_STATE_INCOHERENT_WITH_HARDWARE) return;

    VARIANT when;
    ::VariantInit(&when);
    if (SUCCEEDED(info->get_AssessmentDateTime(&when)) &&
        SUCCEEDED(::VariantChangeType(&when, &when, 0, VT_DATE))) {
        SYSTEMTIME st{};
        if (::VariantTimeToSystemTime(when.date, &st))
            lastUpdate = WinSATDateText(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
    }
    ::VariantClear(&when);

    float rating = 0;
    if (FAILED(info->get_SystemRating(&rating))) return;
    baseScore = WinSATScoreText(rating);
    const struct {
        WINSAT_ASSESSMENT_TYPE type;
        std::wstring CWinSAT::*score;
    } components[] = {
        {WINSAT_ASSESSMENT_CPU, &CWinSAT::processorScore},
        {WINSAT_ASSESSMENT_DISK, &CWinSAT::diskScore},
        {WINSAT_ASSESSMENT_GRAPHICS, &CWinSAT::graphicsScore},
        {WINSAT_ASSESSMENT_MEMORY, &CWinSAT::memoryScore},
    };
    for (const auto& c : components) {
        CComPtr<IProvideWinSATAssessmentInfo> component;
        if (FAILED(info->GetAssessmentInfo(c.type, &component)) || !component) continue;
        float score = 0;
        if (SUCCEEDED(component->get_Score(&score))) this->*c.score = WinSATScoreText(score);
    }
}

void CWinSAT::ReadScoresFromXml() {
    // COM is joined here too: the structured reading has left it again.
    ApartmentScope com;
    CComPtr<IQueryRecentWinSATAssessment> query;
    if (FAILED(CreateObject(CLSID_CQueryWinSAT, __uuidof(IQueryRecentWinSATAssessment), query.AsVoid())) || !query)
        return;
    const struct {
        const wchar_t* path;
        const wchar_t* attribute;
        std::wstring CWinSAT::*text;
    } queries[] = {
        {L"WinSAT/SystemEnvironment/ExecDateTOD", L"Friendly", &CWinSAT::lastUpdate},
        {L"WinSAT/WinSPR/SystemScore", nullptr, &CWinSAT::baseScore},
        {L"WinSAT/WinSPR/CpuScore", nullptr, &CWinSAT::processorScore},
        {L"WinSAT/WinSPR/DiskScore", nullptr, &CWinSAT::diskScore},
        {L"WinSAT/WinSPR/GraphicsScore", nullptr, &CWinSAT::graphicsScore},
        {L"WinSAT/WinSPR/MemoryScore", nullptr, &CWinSAT::memoryScore},
    };
    for (const auto& q : queries) {
        Bstr path(q.path), namespaces(L"");
        CComPtr<IXMLDOMNodeList> nodes;
        if (FAILED(query->get_XML(path.Get(), namespaces.Get(), &nodes)) || !nodes) return;
        long count = 0;
        if (FAILED(nodes->get_length(&count))) return;
        for (long i = 0; i < count; ++i) {
            CComPtr<IXMLDOMNode> node;
            if (FAILED(nodes->get_item(i, &node)) || !node) continue;
            std::wstring text;
            if (NodeText(node.Get(), q.attribute, text)) this->*q.text = text;
        }
    }
}

void CWinSAT::EnterAssessmentApartment() {
    if (m_inApartment) return;
    m_inApartment = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

void CWinSAT::ReleaseAssessment() {
    IInitiateWinSATAssessment* running = std::exchange(assessment, nullptr);
    CWinSATCallbacks* reports = std::exchange(callbacks, nullptr);
    if (reports) reports->Detach();
    if (running) running->Release();
    if (reports) reports->Release();
}
