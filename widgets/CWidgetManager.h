#pragma once
// The desktop widgets: the catalogue of kinds, each kind's eight settings
// (section "Widgets" of settings.ini, written with the plain profile
// functions), its display name in the current language and its window
// object. Everything runs on the user-interface thread.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/CObject.h"
#include "settings/CWindowContext.h"
#include "widgets/core/WidgetCatalogue.h"
#include "widgets/core/WidgetSettings.h"

class CDlgWidget;

class CWidgetManager : public CObject {
public:
    static constexpr const wchar_t* kSection = L"Widgets";

    // The widgets read the settings store (whose file is settings.ini), the
    // text table (whose language file names them) and the collectors.
    explicit CWidgetManager(const CWindowContext& ctx);
    ~CWidgetManager() override;

    const CWindowContext& Context() const { return m_ctx; }

    // The metric's percentage now: -1 when its collector fails, 0 while the
    // collectors are still being built. Storage is the disks' activity, 100
    // minus their idle time.
    int Sample(WidgetMetric metric) const;
    // Replaces the collectors as the source of the samples (tests fix them).
    void SetSampler(std::function<int(WidgetMetric)> sampler) { m_sampler = std::move(sampler); }

    // Rebuilds the catalogue, reads every widget's settings and display
    // name and gives each a fresh window object (no window yet). Windows of
    // the previous objects must be closed.
    void Load();
    // Enables and places the five widgets of a first run on the primary work
    // area and writes them.
    void ApplyFirstRunLayout();
    // Opens (and draws) a window for every enabled widget.
    void ShowEnabled();
    // Closes the window of every enabled widget; objects and settings stay.
    void CloseEnabled();
    // Closes every widget window that is open, enabled or not (before GDI+
    // goes at shut-down).
    void CloseAll();
    // After a language change: closes the open widgets, reloads the
    // catalogue with the new names and reopens them (when `widgetsOn`).
    void Reload(bool widgetsOn);
    // Sets the Enable flag; with `apply` also opens or closes the window.
    void SetEnabled(size_t index, bool enable, bool apply);
    // Writes the eight keys of one widget.
    void SaveWidget(size_t index) const;

    size_t Count() const { return m_entries.size(); }
    const std::wstring& KindName(size_t index) const { return m_entries[index].Kind; }
    const std::wstring& DisplayName(size_t index) const { return m_entries[index].DisplayName; }
    // The widgets dialog and the window change these in place and then call SaveWidget.
    WidgetSettings& Settings(size_t index) { return m_entries[index].Settings; }
    const WidgetSettings& Settings(size_t index) const { return m_entries[index].Settings; }
    CDlgWidget* Window(size_t index) const { return m_entries[index].Window.get(); }
    // Index of a kind in the current catalogue, or -1.
    int IndexOf(const std::wstring& kind) const;

private:
    struct Entry {
        std::wstring Kind;
        std::wstring DisplayName;
        WidgetSettings Settings;
        std::unique_ptr<CDlgWidget> Window;
    };

    std::wstring SettingsFile() const;
    void OpenWindow(size_t index);
    void CloseWindow(size_t index);

    CWindowContext m_ctx;
    std::function<int(WidgetMetric)> m_sampler;
    std::vector<Entry> m_entries;
};
