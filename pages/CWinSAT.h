#pragma once
// The program's one store of experience-index scores, kept as display
// strings. The pages read their WEI fields from it. Every string is empty
// while no valid assessment result has been read.
//
// It also carries a running assessment: the tool's assessment object, the
// callbacks object the tool reports to, and the handlers the assessment
// window installs to show those reports.
//
// Every object of the assessment tool is created through one creation
// function: the program's is CoCreateInstance in process; tests hand in
// fakes (the tool is absent under Wine and on many systems).
#include <windows.h>

#include <functional>
#include <string>

#include "common/CObject.h"

struct IInitiateWinSATAssessment;
class CWinSATCallbacks;

class CWinSAT : public CObject {
public:
    using CreateObjectFn = std::function<HRESULT(REFCLSID clsid, REFIID iid, void** object)>;

    // Reads the scores of this system's most recent assessment.
    CWinSAT();
    // Reads them through `create` instead of CoCreateInstance.
    explicit CWinSAT(CreateObjectFn create);
    ~CWinSAT() override;

    // Replaces the creation function (the scores are not read again).
    void SetCreateObject(CreateObjectFn create);
    HRESULT CreateObject(REFCLSID clsid, REFIID iid, void** object) const;

    // The structured results first; the assessment's XML texts when they
    // give no base score.
    void ReadScores();
    // State 1 (valid) or 2 (incoherent with the hardware) only: the date
    // and, when the base score can be read, the five scores.
    void ReadScoresFromInfo();
    // The texts of the assessment's XML, stored as they are.
    void ReadScoresFromXml();
    // Empties all six strings.
    void ClearScores();

    // Joins the calling (user-interface) thread to a single-threaded COM
    // apartment for the assessments. The store stays joined until it ends:
    // the tool's reports arrive through that apartment, and leaving it from
    // inside a report would pull it away under the call.
    void EnterAssessmentApartment();
    // Ends the running assessment on the program's side: releases the
    // assessment object and the callbacks object, clears both, and cuts the
    // callbacks object loose so that nothing it hears later reaches the store.
    void ReleaseAssessment();

    IInitiateWinSATAssessment* assessment = nullptr;
    CWinSATCallbacks* callbacks = nullptr;
    // Installed by the assessment window while it is open: the completion
    // status with its status-line text, and a progress status-line text.
    std::function<void(HRESULT status, const std::wstring& text)> onComplete;
    std::function<void(const std::wstring& text)> onProgress;

    std::wstring baseScore;
    std::wstring processorScore;
    std::wstring diskScore;
    std::wstring graphicsScore;
    std::wstring memoryScore;
    std::wstring lastUpdate;

private:
    CreateObjectFn m_create;
    bool m_inApartment = false;
};
