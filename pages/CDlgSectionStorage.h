#pragma once
// The Storage page: the physical drives in a combo, the selected drive's
// details, the primary-disk WEI sub-score and the Usage button (storage
// monitor window). The drive lists belong to the storage collector.
#include "pages/CSectionPage.h"

struct StorageDriveLists;

class CDlgSectionStorage : public CSectionPage {
public:
    explicit CDlgSectionStorage(const CWindowContext& ctx);
    ~CDlgSectionStorage() override;

protected:
    void CollectValues() override;
    void OnRevealed() override;
    void OnSelchangeCombo() override;
    void OnButton() override;

private:
    const StorageDriveLists* m_drives = nullptr;
};
