#pragma once
// A dialog of the program: built with the window context, from which it
// reads its texts, settings, application font and collectors, and painted
// through the one appearance (CAppearance): dark or light, its background,
// the colours of its controls. A window states its background when it is
// built and lists its value fields, titles and captions in m_look; the
// painting, the control colours and the erase are answered here.
#include <initializer_list>
#include <string>

#include "framework/CDialogEx.h"
#include "settings/CAppearance.h"
#include "settings/CWindowContext.h"

class CStyledDialog : public CDialogEx {
public:
    using Background = CAppearance::Background;

    const CWindowContext& Context() const { return m_ctx; }
    bool DarkMode() const { return m_look.DarkMode(); }

protected:
    CStyledDialog(const CWindowContext& ctx, UINT templateId, CWnd* parent = nullptr,
                  Background background = Background::Plain)
        : CDialogEx(templateId, parent), m_ctx(ctx), m_look(background) {}

    const std::wstring& Text(size_t index) const { return m_ctx.Text(index); }
    CSettingsStore& Options() const { return m_ctx.settings; }
    HFONT AppFont() const { return m_ctx.AppFont(); }
    // The program's collectors; only for windows of a program that has them.
    CCollectors& Collectors() const { return *m_ctx.collectors; }

    // Switches between dark and light at once (the settings window).
    void SetDarkMode(bool dark) { m_look.ApplyDarkMode(m_hWnd, dark); }
    // The application font, else the dialog's own, on the listed controls
    // or on every child.
    void ApplyAppFont(std::initializer_list<int> ids) const { CAppearance::ApplyFont(m_hWnd, AppFont(), ids); }
    void ApplyAppFontToChildren() const { CAppearance::ApplyFontToChildren(m_hWnd, AppFont()); }

    // Loads the picture and takes dark or light from the settings; a
    // subclass calls it first.
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

    CWindowContext m_ctx;
    CAppearance m_look;
};
