#include "screensaver/core/BoardLayout.h"

#include <cmath>

#include "common/Format.h"

BoardMetrics ComputeBoardMetrics(int width) {
    BoardMetrics m;
    m.s = width < 1921 ? 1.0f : 2.0f;
    m.pad = std::round(width * 0.004f);
    m.fontHeight = static_cast<int>(std::lround(width * 0.01f));
    return m;
}

BoardLayout LayOutBoard(int width, int height, const BoardMetrics& m) {
    const float W = static_cast<float>(width);
    const float H = static_cast<float>(height);
    const float L = W / 5.0f;
    const float T = (H - static_cast<float>(height / 4)) * 0.5f;
    const float half = (W - L) * 0.5f;
    const float quarter = (W - L) * 0.25f;
    const float p = m.pad;

    BoardLayout b;
    b.applicationEvents = {0, 0, L, 0};
    b.systemEvents = {0, H * 0.5f, L, 0};
    b.cpu = {L + p, p, half - 2 * p, T - 2 * p};
    b.memory = {L + half + p, p, half - 1 - 2 * p, T - 2 * p};
    b.network = {L + p, T + p, half - 2 * p, T - 2 * p};
    b.storage = {L + half + p, T + p, half - 1 - 2 * p, T - 2 * p};
    b.osMetrics = {L, 2 * T, quarter, 0};
    b.wireless = {L + quarter, 2 * T, quarter, 0};
    b.summary = {L + half, 2 * T, quarter, 0};
    b.dateTime = {L + (W - L) * 0.75f, 2 * T, quarter - 1, 0};
    return b;
}

PictureRect CoverFit(int width, int height, int iw, int ih) {
    PictureRect r;
    if (width <= 0 || height <= 0 || iw <= 0 || ih <= 0) return r;
    const float W = static_cast<float>(width), H = static_cast<float>(height);
    const float fw = static_cast<float>(iw), fh = static_cast<float>(ih);
    if (W / H < fw / fh) {
        const float scaled = H / fh * fw;
        r.w = static_cast<int>(scaled);
        r.h = height;
        r.x = static_cast<int>(-(scaled - W) * 0.5f);
        r.y = 0;
    } else {
        const float scaled = W / fw * fh;
        r.w = width;
        r.h = static_cast<int>(scaled);
        r.x = 0;
        r.y = static_cast<int>(-(scaled - H) * 0.5f);
    }
    return r;
}

void TrimHistory(std::vector<int>& history) {
    if (history.size() > kGraphValues) history.erase(history.begin(), history.end() - kGraphValues);
}

GraphGeometry LayOutGraph(const PanelRect& r, float s, float gridOffset, const std::vector<int>& history) {
    GraphGeometry g;
    g.gridStep = r.w / 10.0f;
    g.sampleStep = (r.w - 2 * s) / 30.0f;
    if (g.gridStep > 0) {
        for (int k = 1; k * g.gridStep < gridOffset + r.w - s; ++k) {
            const float x = r.x + k * g.gridStep - gridOffset;
            g.grid.push_back({x, r.y + s, x, r.y + r.h - s});
        }
    }
    const float row = r.h / 10.0f;
    if (row > 0) {
        for (int k = 1; k * row < r.h - s; ++k)
            g.grid.push_back({r.x + s, r.y + k * row, r.x + r.w - s, r.y + k * row});
    }
    const float d = (r.h - 2 * s) / 100.0f;
    const float n = static_cast<float>(history.size());
    float x = r.x + r.w - s - n * g.sampleStep + g.sampleStep;
    for (size_t i = 1; i < history.size(); ++i) {
        g.curve.push_back({x, history[i - 1] * d + r.y + s, x + g.sampleStep, history[i] * d + r.y + s});
        x += g.sampleStep;
    }
    return g;
}

float AdvanceGridOffset(float offset, float sampleStep, float gridStep) {
    if (sampleStep == 0 || gridStep == 0) return offset;
    return offset > gridStep - 1 ? sampleStep : offset + sampleStep;
}

std::wstring FormatUpTime(uint64_t milliseconds) {
    const unsigned long long total = milliseconds / 1000;
    return Format(L"%llu:%02llu:%02llu:%02llu", total / 86400, total / 3600 % 24, total / 60 % 60, total % 60);
}

std::wstring FormatWirelessLine(const std::wstring& name, const std::wstring& signal, bool secured, bool connected,
                                const std::wstring& securedText, const std::wstring& connectedText) {
    std::wstring line = name + L" (" + signal;
    if (secured) line += L", " + securedText;
    if (connected) line += L", " + connectedText;
    return line + L")";
}

std::wstring FormatSystemText(const std::wstring& name, const std::wstring& edition, const std::wstring& servicePack,
                              bool sixtyFourBit, const std::wstring& bitText) {
    std::wstring text = name + L" " + edition;
    if (!servicePack.empty()) text += L" " + servicePack;
    return text + L" " + (sixtyFourBit ? L"64" : L"32") + L"-" + bitText;
}

std::wstring FormatRegistryQuota(uint32_t usedBytes, uint32_t allowedBytes) {
    return Format(L"%d / %d", static_cast<int>(usedBytes >> 20), static_cast<int>(allowedBytes >> 20));
}
