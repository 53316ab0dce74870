#pragma once
// The platform's key state for the keyboard and mouse widgets.
#include "widgets/core/InputActivity.h"

class CAsyncKeyState : public KeyStateSource {
public:
    short AsyncKeyState(int virtualKey) const override;
    unsigned ScanCode(int virtualKey) const override;
    bool IsToggled(int virtualKey) const override;
    // The one the widgets use unless told otherwise.
    static const CAsyncKeyState& Instance();
};
