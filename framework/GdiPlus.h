#pragma once
// GDI+ for the program: the one header that includes gdiplus.h (which needs
// min/max in scope), the session that starts and stops it, and pictures
// loaded from PNG resources.
#include <windows.h>

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include <memory>

#include "common/CObject.h"

class CGdiPlusSession : public CObject {
public:
    CGdiPlusSession() = default;
    ~CGdiPlusSession() override { Shutdown(); }
    bool Startup();
    void Shutdown();
    bool Started() const { return m_token != 0; }

private:
    ULONG_PTR m_token = 0;
};

// Decodes the PNG resource `id` (resource type "PNG") of this program.
// nullptr when the resource is missing or does not decode.
std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(UINT id);
