#include "widgets/CWidgetSources.h"

int CWidgetSources::Sample(WidgetMetric metric) {
    switch (metric) {
        case WidgetMetric::Audio: return Audio().GetPeakLevel();
        case WidgetMetric::Cpu: return Cpu().GetUsage();
        case WidgetMetric::Gpu: return Graphics().GetUsage();
        case WidgetMetric::Memory: return Memory().GetMemoryLoad();
        case WidgetMetric::Network: return Network().GetUsage();
        case WidgetMetric::Storage: {
            // A failed idle reading is a failed sample, not 101 % activity.
            const int idle = Storage().GetIdleTime();
            return idle < 0 ? -1 : 100 - idle;
        }
        case WidgetMetric::None: break;
    }
    return -1;
}
