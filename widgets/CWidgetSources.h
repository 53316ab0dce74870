#pragma once
// Where the widgets get their live values: one sample per metric for the
// gauges and graphs, and the collectors the text panels read.
#include "collectors/CDateTime.h"
#include "collectors/CHardwareAudio.h"
#include "collectors/CHardwareCPU.h"
#include "collectors/CHardwareGraphics.h"
#include "collectors/CHardwareMemory.h"
#include "collectors/CHardwareNetwork.h"
#include "collectors/CHardwareStorage.h"
#include "collectors/CSoftware.h"
#include "widgets/core/WidgetCatalogue.h"

class CWidgetSources {
public:
    virtual ~CWidgetSources() = default;

    virtual CDateTime& DateTime() = 0;
    virtual CHardwareAudio& Audio() = 0;
    virtual CHardwareCPU& Cpu() = 0;
    virtual CHardwareGraphics& Graphics() = 0;
    virtual CHardwareMemory& Memory() = 0;
    virtual CHardwareNetwork& Network() = 0;
    virtual CHardwareStorage& Storage() = 0;
    virtual CSoftware& Software() = 0;

    // The metric's percentage now, -1 when the collector fails. Storage is
    // the disks' activity, 100 minus their idle time.
    virtual int Sample(WidgetMetric metric);
};

// The sources over any owner of the collectors that has one accessor each.
template <typename Owner>
class CWidgetSourcesOf : public CWidgetSources {
public:
    explicit CWidgetSourcesOf(Owner& owner) : m_owner(owner) {}
    CDateTime& DateTime() override { return m_owner.DateTime(); }
    CHardwareAudio& Audio() override { return m_owner.Audio(); }
    CHardwareCPU& Cpu() override { return m_owner.Cpu(); }
    CHardwareGraphics& Graphics() override { return m_owner.Graphics(); }
    CHardwareMemory& Memory() override { return m_owner.Memory(); }
    CHardwareNetwork& Network() override { return m_owner.Network(); }
    CHardwareStorage& Storage() override { return m_owner.Storage(); }
    CSoftware& Software() override { return m_owner.Software(); }

private:
    Owner& m_owner;
};
