// The drive health window: on this computer's drives ("smart"), and on
// recorded answers of real drives from the test corpus, so its rows and
// colours can be seen on a machine whose drives say nothing ("smart-fake",
// which opens on an ATA drive with failing and warning rows, and
// "smart-fake-nvme", which opens on an NVMe drive).
#include <windows.h>

#include <string>
#include <vector>

#include "app/COrvanelApp.h"
#include "smart/CDlgSMART.h"
#include "tests/common/FakeDriveIo.h"
#include "tests/common/WinFiles.h"
#include "tools/showcase/ShowcaseRegistry.h"

namespace {

// The corpus lies three folders above the program (build\<dir>\bin).
std::wstring CorpusFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    for (int up = 0; up < 4; ++up) folder = folder.substr(0, folder.find_last_of(L'\\'));
    return folder + L"\\tests\\corpus\\";
}

std::vector<uint8_t> ReadCorpus(const std::wstring& name) {
    const std::string bytes = ReadFileBytes(CorpusFolder() + name);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

FakeDrive AtaFromCorpus(const std::wstring& name) {
    return FakeDrive::Ata(ReadCorpus(L"ata\\" + name + L".identify.bin"), ReadCorpus(L"ata\\" + name + L".smart-data.bin"),
                          ReadCorpus(L"ata\\" + name + L".smart-thresholds.bin"));
}

FakeDrive NvmeFromCorpus() {
    return FakeDrive::NvmeDrive(ReadCorpus(L"nvme\\ecclesia-samsung-pm1733-anon.id-ctrl.bin"),
                                ReadCorpus(L"nvme\\ecclesia-nvme-ssd.smart-log.bin"));
}

void ShowFake(bool nvmeFirst) {
    FakeDriveIo io;
    int n = 0;
    if (nvmeFirst) io.Drives[n++] = NvmeFromCorpus();
    io.Drives[n++] = AtaFromCorpus(L"Maxtor_96147H8--BAC51KJ0--2");
    io.Drives[n++] = AtaFromCorpus(L"WDC_WD20EARS-00MVWB0");
    io.Drives[n++] = AtaFromCorpus(L"Hitachi_HDS721010CLA632");
    if (!nvmeFirst) io.Drives[n++] = NvmeFromCorpus();
    CDlgSMART dlg(GetApp()->Context(), io);
    dlg.DoModal();
}

ShowcaseEntry realDrives(L"smart", [] {
    CDlgSMART dlg(GetApp()->Context());
    dlg.DoModal();
});
ShowcaseEntry fakeDrives(L"smart-fake", [] { ShowFake(false); });
ShowcaseEntry fakeNvme(L"smart-fake-nvme", [] { ShowFake(true); });

}  // namespace
