#pragma once
// The system assessment tool's COM interfaces and class ids. The toolchain's
// winsatcominterfacei.h carries only the enumerations, so the interfaces the
// program uses are declared here, in the tool's own slot order.
#include <windows.h>
#include <msxml.h>
#include <oaidl.h>
#include <winsatcominterfacei.h>

// One sub-score of an assessment.
MIDL_INTERFACE("0CD1C380-52D3-4678-AC6F-E929E480BE9E")
IProvideWinSATAssessmentInfo : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Score(float* score) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Title(BSTR* title) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) = 0;
};

// The results of an assessment: state, date, base score, sub-scores.
MIDL_INTERFACE("F8334D5D-568E-4075-875F-9DF341506640")
IProvideWinSATResultsInfo : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetAssessmentInfo(WINSAT_ASSESSMENT_TYPE assessment,
                                                        IProvideWinSATAssessmentInfo** info) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AssessmentState(WINSAT_ASSESSMENT_STATE* state) = 0;
    // An automation date (VT_DATE).
    virtual HRESULT STDMETHODCALLTYPE get_AssessmentDateTime(VARIANT* dateTime) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SystemRating(float* level) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RatingStateDesc(BSTR* description) = 0;
};

// The most recent formal assessment: its results and its XML document.
MIDL_INTERFACE("F8AD5D1F-3B47-4BDC-9375-7C6B1DA4ECA7")
IQueryRecentWinSATAssessment : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_XML(BSTR xPath, BSTR namespaces, IXMLDOMNodeList** nodes) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Info(IProvideWinSATResultsInfo** info) = 0;
};

// How a running assessment reports back to its caller.
MIDL_INTERFACE("262A1918-BA0D-41D5-92C2-FAB4633EE74F")
IWinSATInitiateEvents : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE WinSATComplete(HRESULT status, LPCWSTR description) = 0;
    virtual HRESULT STDMETHODCALLTYPE WinSATUpdate(UINT currentTick, UINT tickTotal, LPCWSTR currentState) = 0;
};

// Starts and cancels an assessment.
MIDL_INTERFACE("D983FC50-F5BF-49D5-B5ED-CCCB18AA7FC1")
IInitiateWinSATAssessment : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE InitiateAssessment(LPCWSTR commandLine, IWinSATInitiateEvents* callbacks,
                                                         HWND caller) = 0;
    virtual HRESULT STDMETHODCALLTYPE InitiateFormalAssessment(IWinSATInitiateEvents* callbacks, HWND caller) = 0;
    virtual HRESULT STDMETHODCALLTYPE CancelAssessment() = 0;
};

__CRT_UUID_DECL(IProvideWinSATAssessmentInfo, 0x0CD1C380, 0x52D3, 0x4678, 0xAC, 0x6F, 0xE9, 0x29, 0xE4, 0x80, 0xBE, 0x9E)
__CRT_UUID_DECL(IProvideWinSATResultsInfo, 0xF8334D5D, 0x568E, 0x4075, 0x87, 0x5F, 0x9D, 0xF3, 0x41, 0x50, 0x66, 0x40)
__CRT_UUID_DECL(IQueryRecentWinSATAssessment, 0xF8AD5D1F, 0x3B47, 0x4BDC, 0x93, 0x75, 0x7C, 0x6B, 0x1D, 0xA4, 0xEC,
                0xA7)
__CRT_UUID_DECL(IWinSATInitiateEvents, 0x262A1918, 0xBA0D, 0x41D5, 0x92, 0xC2, 0xFA, 0xB4, 0x63, 0x3E, 0xE7, 0x4F)
__CRT_UUID_DECL(IInitiateWinSATAssessment, 0xD983FC50, 0xF5BF, 0x49D5, 0xB5, 0xED, 0xCC, 0xCB, 0x18, 0xAA, 0x7F, 0xC1)

// The tool's classes.
constexpr CLSID CLSID_CQueryWinSAT = {0xF3BDFAD3, 0xF276, 0x49E9, {0x9B, 0x17, 0xC4, 0x74, 0xF4, 0x8F, 0x07, 0x64}};
constexpr CLSID CLSID_CInitiateWinSAT = {0x489331DC, 0xF5E0, 0x4528, {0x9F, 0xDA, 0x45, 0x33, 0x1B, 0xF4, 0xA5, 0x71}};
constexpr CLSID CLSID_CQueryAllWinSAT = {0x05DF8D13, 0xC355, 0x47F4, {0xA1, 0x1E, 0x85, 0x1B, 0x33, 0x8C, 0xEF, 0xB8}};
