#pragma once
// A dialog of the program: built with the window context, from which it
// reads its texts, settings, application font and collectors.
#include <string>

#include "framework/CDialogEx.h"
#include "settings/CWindowContext.h"

class CStyledDialog : public CDialogEx {
public:
    const CWindowContext& Context() const { return m_ctx; }

protected:
    CStyledDialog(const CWindowContext& ctx, UINT templateId, CWnd* parent = nullptr)
        : CDialogEx(templateId, parent), m_ctx(ctx) {}

    const std::wstring& Text(size_t index) const { return m_ctx.Text(index); }
    CSettingsStore& Options() const { return m_ctx.settings; }
    HFONT AppFont() const { return m_ctx.AppFont(); }
    // The program's collectors; only for windows of a program that has them.
    CCollectors& Collectors() const { return *m_ctx.collectors; }

    CWindowContext m_ctx;
};
