// The experience-index windows over a fake assessment tool: "wei-fake"
// shows a system's scores, "wei" this system's (none under Wine), and
// "wei-assessment" and "wei-assessment-failed" an assessment in progress
// and one that failed.
#include <windows.h>

#include "app/COrvanelApp.h"
#include "pages/CDlgWEI.h"
#include "pages/CDlgWEIAssessment.h"
#include "tests/common/FakeWinSAT.h"
#include "tools/showcase/ShowcaseRegistry.h"

namespace {

void ShowAssessment(bool fails) {
    FakeWinSAT tool;
    tool.onStart = [fails](FakeWinSAT& t) {
        t.Update(42, 100, L"Assessing memory performance");
        if (fails) t.Complete(static_cast<HRESULT>(0x80004005), L"The assessment could not be completed.");
    };
    CWinSAT winsat(tool.Creator());
    CDlgWEIAssessment dlg(GetApp()->Context().WithScores(winsat));
    dlg.DoModal();
}

ShowcaseEntry fakeScores(L"wei-fake", [] {
    FakeWinSAT tool;
    CWinSAT winsat(tool.Creator());
    CDlgWEI dlg(GetApp()->Context().WithScores(winsat));
    dlg.DoModal();
});
ShowcaseEntry systemScores(L"wei", [] {
    CDlgWEI dlg(GetApp()->Context());
    dlg.DoModal();
});
ShowcaseEntry running(L"wei-assessment", [] { ShowAssessment(false); });
ShowcaseEntry failed(L"wei-assessment-failed", [] { ShowAssessment(true); });

}  // namespace
