#pragma once
// A drive-I/O object that answers from recorded blocks, for tests of the
// drive engine and of the windows built on it. Each fake drive answers only
// the requests it was given an answer for; everything else fails, as a
// device that does not know the request would.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "smart/core/IDriveIo.h"

struct FakeDrive {
    bool Opens = true;
    bool PropertyFails = false;
    uint8_t BusType = 0;
    bool SmartVersion = true;
    // S.M.A.R.T. receive answers by (features, command).
    std::map<std::pair<uint8_t, uint8_t>, std::vector<uint8_t>> Smart;
    // SCSI answers by exact CDB bytes.
    std::map<std::vector<uint8_t>, ScsiReply> Scsi;
    // NVMe answers by (opcode, cdw10).
    std::map<std::pair<uint8_t, uint32_t>, std::vector<uint8_t>> Nvme;

    // Every request sent to the drive, in order, as a short tag.
    std::vector<std::string> Log;
    int OpenHandles = 0;

    static constexpr uint8_t kIdentify = 0xEC;
    static constexpr uint8_t kSmart = 0xB0;
    static constexpr uint8_t kReadData = 0xD0;
    static constexpr uint8_t kReadThresholds = 0xD1;

    // The ATA PASS-THROUGH CDBs for one ATA command, written out byte by byte.
    static std::vector<uint8_t> Cdb12(uint8_t features, uint8_t command) {
        const bool smart = command == kSmart;
        return {0xA1, 0x08, 0x2E, features, 1, 0, uint8_t(smart ? 0x4F : 0), uint8_t(smart ? 0xC2 : 0), 0, command,
                0, 0};
    }
    static std::vector<uint8_t> Cdb16(uint8_t features, uint8_t command) {
        const bool smart = command == kSmart;
        return {0x85, 0x08, 0x2E, 0, features, 0, 1, 0, 0, 0, uint8_t(smart ? 0x4F : 0), 0,
                uint8_t(smart ? 0xC2 : 0), 0, command, 0};
    }
    static std::vector<uint8_t> InquiryCdb() { return {0x12, 0, 0, 0, 128, 0}; }
    static std::vector<uint8_t> LogSenseCdb() { return {0x4D, 0, 0x6F, 0, 0, 0, 0, 0, 64, 0}; }

    static ScsiReply Good(std::vector<uint8_t> data) {
        ScsiReply r;
        r.Data = std::move(data);
        return r;
    }

    // A drive on a plain ATA/SATA port answering through the S.M.A.R.T. requests.
    static FakeDrive Ata(std::vector<uint8_t> identify, std::vector<uint8_t> data, std::vector<uint8_t> thresholds) {
        FakeDrive d;
        d.BusType = 11;  // SATA
        d.Smart[{0, kIdentify}] = std::move(identify);
        d.Smart[{kReadData, kSmart}] = std::move(data);
        if (!thresholds.empty()) d.Smart[{kReadThresholds, kSmart}] = std::move(thresholds);
        return d;
    }

    // A USB bridge that knows only the 16-byte ATA PASS-THROUGH.
    static FakeDrive Bridge16(std::vector<uint8_t> identify, std::vector<uint8_t> data,
                              std::vector<uint8_t> thresholds) {
        FakeDrive d;
        d.BusType = 7;
        d.SmartVersion = false;
        d.Scsi[Cdb16(0, kIdentify)] = Good(std::move(identify));
        d.Scsi[Cdb16(kReadData, kSmart)] = Good(std::move(data));
        d.Scsi[Cdb16(kReadThresholds, kSmart)] = Good(std::move(thresholds));
        return d;
    }

    // A USB stick known only by INQUIRY (and, if given, LOG SENSE).
    static FakeDrive UsbStick(std::vector<uint8_t> inquiry, std::vector<uint8_t> logSense = {}) {
        FakeDrive d;
        d.BusType = 7;
        d.SmartVersion = false;
        d.Scsi[InquiryCdb()] = Good(std::move(inquiry));
        if (!logSense.empty()) d.Scsi[LogSenseCdb()] = Good(std::move(logSense));
        return d;
    }

    static FakeDrive NvmeDrive(std::vector<uint8_t> identify, std::vector<uint8_t> healthLog) {
        FakeDrive d;
        d.BusType = 17;
        d.SmartVersion = false;
        if (!identify.empty()) d.Nvme[{0x06, 1}] = std::move(identify);
        if (!healthLog.empty()) d.Nvme[{0x02, 0x03FF0002u}] = std::move(healthLog);
        return d;
    }
};

class FakeDriveDevice : public IDriveDevice {
public:
    explicit FakeDriveDevice(FakeDrive& drive) : d_(drive) { ++d_.OpenHandles; }
    ~FakeDriveDevice() override { --d_.OpenHandles; }

    bool QueryDeviceProperty(std::vector<uint8_t>& answer) override {
        d_.Log.push_back("property");
        if (d_.PropertyFails) return false;
        answer.assign(40, 0);  // a descriptor without vendor strings, as a bare disk gives
        answer[0] = 1;
        answer[4] = 40;
        answer[28] = d_.BusType;
        return true;
    }
    bool SmartGetVersion() override {
        d_.Log.push_back("smart-version");
        return d_.SmartVersion;
    }
    bool SmartReceive(const AtaRegisters& r, uint8_t, std::vector<uint8_t>& data) override {
        d_.Log.push_back("smart " + Hex(r.Features) + " " + Hex(r.Command));
        if (!d_.SmartVersion) return false;
        if (r.Command == FakeDrive::kSmart && (r.CylinderLow != 0x4F || r.CylinderHigh != 0xC2)) return false;
        auto it = d_.Smart.find({r.Features, r.Command});
        if (it == d_.Smart.end()) return false;
        data = it->second;
        return true;
    }
    bool ScsiPassThrough(const ScsiRequest& request, ScsiReply& reply) override {
        d_.Log.push_back("scsi " + Hex(request.Cdb.empty() ? 0 : request.Cdb[0]));
        auto it = d_.Scsi.find(request.Cdb);
        if (it == d_.Scsi.end()) {
            // What a bridge says to a command it does not know: CHECK
            // CONDITION, ILLEGAL REQUEST, invalid command operation code.
            reply = ScsiReply();
            reply.Status = 0x02;
            reply.Sense = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0x20, 0x00};
            return true;
        }
        reply = it->second;
        if (reply.Data.size() > request.DataInLength) reply.Data.resize(request.DataInLength);
        return true;
    }
    bool NvmeAdmin(const NvmeAdminCommand& c, std::vector<uint8_t>& data) override {
        d_.Log.push_back("nvme " + Hex(c.Opcode));
        auto it = d_.Nvme.find({c.Opcode, c.Cdw10});
        if (it == d_.Nvme.end()) return false;
        if (c.Opcode == 0x02 && c.NamespaceId != 0xFFFFFFFF) return false;
        data = it->second;
        return true;
    }

private:
    static std::string Hex(unsigned v) {
        static const char* digits = "0123456789ABCDEF";
        return std::string{digits[(v >> 4) & 15], digits[v & 15]};
    }
    FakeDrive& d_;
};

class FakeDriveIo : public IDriveIo {
public:
    std::map<int, FakeDrive> Drives;
    // Roots with their device path and the disks their volume lies on.
    std::vector<std::tuple<std::wstring, std::wstring, std::vector<int>>> Roots;
    bool NamesFail = false;
    std::vector<std::wstring> ExtraNames = {L"C:", L"Z:", L"GLOBALROOT", L"PhysicalDriveX"};

    std::unique_ptr<IDriveDevice> OpenDrive(int n) override {
        auto it = Drives.find(n);
        if (it == Drives.end() || !it->second.Opens) return nullptr;
        return std::make_unique<FakeDriveDevice>(it->second);
    }
    std::vector<std::wstring> ListDosDeviceNames() override {
        if (NamesFail) return {};
        std::vector<std::wstring> names = ExtraNames;
        for (const auto& d : Drives) names.push_back(L"PhysicalDrive" + std::to_wstring(d.first));
        return names;
    }
    std::vector<std::wstring> ListDriveRoots() override {
        std::vector<std::wstring> roots;
        for (const auto& r : Roots) roots.push_back(std::get<0>(r));
        return roots;
    }
    std::wstring QueryDevicePath(const std::wstring& root) override {
        for (const auto& r : Roots) {
            if (std::get<0>(r) == root) return std::get<1>(r);
        }
        return std::wstring();
    }
    std::vector<int> QueryVolumeDisks(const std::wstring& root) override {
        for (const auto& r : Roots) {
            if (std::get<0>(r) == root) return std::get<2>(r);
        }
        return {};
    }
};
