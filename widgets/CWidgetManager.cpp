#include "widgets/CWidgetManager.h"

#include <windows.h>

#include "collectors/CCollectors.h"
#include "common/Format.h"
#include "settings/CSettingsStore.h"
#include "settings/CTranslate.h"
#include "widgets/CDlgWidget.h"

namespace {

// Without a settings file (nothing set up yet) every setting is its default.
int ReadInt(const std::wstring& key, int fallback, const std::wstring& file) {
    if (file.empty()) return fallback;
    return static_cast<int>(::GetPrivateProfileIntW(CWidgetManager::kSection, key.c_str(), fallback, file.c_str()));
}

std::wstring ReadString(const wchar_t* section, const std::wstring& key, const wchar_t* fallback,
                        const std::wstring& file) {
    if (file.empty()) return fallback;
    wchar_t buf[256] = {};
    ::GetPrivateProfileStringW(section, key.c_str(), fallback, buf, 256, file.c_str());
    return buf;
}

void WriteString(const std::wstring& key, const std::wstring& value, const std::wstring& file) {
    ::WritePrivateProfileStringW(CWidgetManager::kSection, key.c_str(), value.c_str(), file.c_str());
}

}  // namespace

CWidgetManager::CWidgetManager(const CWindowContext& ctx) : m_ctx(ctx) {}

CWidgetManager::~CWidgetManager() {
    // Windows still open at the very end go with their objects.
    for (auto& e : m_entries)
        if (e.Window) e.Window->DestroyWindow();
}

std::wstring CWidgetManager::SettingsFile() const { return m_ctx.settings.File(); }

int CWidgetManager::Sample(WidgetMetric metric) const {
    if (m_sampler) return m_sampler(metric);
    CCollectors* c = m_ctx.collectors;
    if (!c) return -1;
    // The user-interface thread does not wait for the build: nothing yet.
    if (c->Pending()) return 0;
    switch (metric) {
        case WidgetMetric::Audio: return c->Audio().GetPeakLevel();
        case WidgetMetric::Cpu: return c->Cpu().GetUsage();
        case WidgetMetric::Gpu: return c->Graphics().GetUsage();
        case WidgetMetric::Memory: return c->Memory().GetMemoryLoad();
        case WidgetMetric::Network: return c->Network().GetUsage();
        case WidgetMetric::Storage: {
            // A failed idle reading is a failed sample, not 101 % activity.
            const int idle = c->Storage().GetIdleTime();
            return idle < 0 ? -1 : 100 - idle;
        }
        case WidgetMetric::None: break;
    }
    return -1;
}

int CWidgetManager::IndexOf(const std::wstring& kind) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Kind == kind) return static_cast<int>(i);
    return -1;
}

void CWidgetManager::Load() {
    for (auto& e : m_entries)
        if (e.Window) e.Window->DestroyWindow();
    m_entries.clear();

    const std::wstring file = SettingsFile();
    const std::wstring languageFile = m_ctx.texts.CurrentLanguageFile();
    for (const WidgetKind& kind : BuildWidgetCatalogue(IsVersionAtLeast(10, 0, 0))) {
        Entry e;
        e.Kind = kind.Name;
        const auto keys = WidgetKeyNames(e.Kind);
        if (!languageFile.empty())
            e.DisplayName = ReadString(L"Text", Format(L"Widget%ls", kind.Name), L"", languageFile);
        if (e.DisplayName.empty()) e.DisplayName = e.Kind;

        WidgetSettings& s = e.Settings;
        s.Enable = ReadInt(keys[kKeyEnable], 0, file) != 0;
        s.Moveable = ReadInt(keys[kKeyMoveable], 0, file) != 0;
        s.Top = ReadInt(keys[kKeyTop], 0, file) != 0;
        s.X = ReadInt(keys[kKeyX], kWidgetUnplaced, file);
        s.Y = ReadInt(keys[kKeyY], kWidgetUnplaced, file);
        s.BG = ReadInt(keys[kKeyBG], 1, file) != 0;
        s.Opacity = ReadInt(keys[kKeyOpacity], 100, file);
        s.Color = ParseWidgetColor(ReadString(kSection, keys[kKeyColor], L"#11F1E2", file));

        e.Window = std::make_unique<CDlgWidget>(m_ctx, *this);
        m_entries.push_back(std::move(e));
    }
}

void CWidgetManager::ApplyFirstRunLayout() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const WidgetPlacement& p : FirstRunLayout(work.right - work.left, work.bottom - work.top)) {
        const int index = IndexOf(p.Kind);
        if (index < 0) continue;
        WidgetSettings& s = m_entries[index].Settings;
        s.Enable = true;
        s.X = p.X;
        s.Y = p.Y;
        SaveWidget(index);
    }
}

void CWidgetManager::OpenWindow(size_t index) {
    Entry& e = m_entries[index];
    if (!e.Window || e.Window->GetSafeHwnd()) return;
    if (!e.Window->CreateWidget(index, e.Kind)) return;
    e.Window->ShowWindow(SW_SHOWNOACTIVATE);
    e.Window->RenderFrame(nullptr);  // the first frame at once
}

void CWidgetManager::CloseWindow(size_t index) {
    Entry& e = m_entries[index];
    if (e.Window && e.Window->GetSafeHwnd()) e.Window->DestroyWindow();
}

void CWidgetManager::ShowEnabled() {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Settings.Enable) OpenWindow(i);
}

void CWidgetManager::CloseEnabled() {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Settings.Enable) CloseWindow(i);
}

void CWidgetManager::CloseAll() {
    for (size_t i = 0; i < m_entries.size(); ++i) CloseWindow(i);
}

void CWidgetManager::Reload(bool widgetsOn) {
    if (widgetsOn) CloseEnabled();
    Load();
    if (widgetsOn) ShowEnabled();
}

void CWidgetManager::SetEnabled(size_t index, bool enable, bool apply) {
    if (index >= m_entries.size()) return;
    m_entries[index].Settings.Enable = enable;
    if (apply) {
        if (enable)
            OpenWindow(index);
        else
            CloseWindow(index);
    }
    SaveWidget(index);
}

void CWidgetManager::SaveWidget(size_t index) const {
    if (index >= m_entries.size()) return;
    const std::wstring file = SettingsFile();
    if (file.empty()) return;
    const Entry& e = m_entries[index];
    const WidgetSettings& s = e.Settings;
    const auto keys = WidgetKeyNames(e.Kind);
    WriteString(keys[kKeyEnable], Format(L"%i", s.Enable ? 1 : 0), file);
    WriteString(keys[kKeyMoveable], Format(L"%i", s.Moveable ? 1 : 0), file);
    WriteString(keys[kKeyTop], Format(L"%i", s.Top ? 1 : 0), file);
    WriteString(keys[kKeyX], Format(L"%i", s.X), file);
    WriteString(keys[kKeyY], Format(L"%i", s.Y), file);
    WriteString(keys[kKeyColor], FormatWidgetColor(s.Color), file);
    WriteString(keys[kKeyBG], Format(L"%i", s.BG ? 1 : 0), file);
    WriteString(keys[kKeyOpacity], Format(L"%i", s.Opacity), file);
}
