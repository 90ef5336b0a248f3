#include "sim/Endpoints.h"

#include <string>

namespace hx::sim {
namespace {

Error NotCarried(const SimInterface& iface, const char* what) {
    return Error{"virtual keyboard: " + std::string(iface.path) + " carries no " + what};
}

class SimHandle final : public HidHandle {
public:
    SimHandle(std::shared_ptr<DeviceCore> core, DeviceCore::Session session,
              const SimInterface& iface)
        : core_(std::move(core)), session_(session), iface_(iface) {
        if (iface_.endpoint == Endpoint::kNotify)
            core_->AddNotifyQueue(&queue_);
    }
    ~SimHandle() override {
        if (iface_.endpoint == Endpoint::kNotify)
            core_->RemoveNotifyQueue(&queue_);
    }
    SimHandle(const SimHandle&) = delete;
    SimHandle& operator=(const SimHandle&) = delete;

    Status SetFeature(const FeatureReport& report) override {
        if (iface_.endpoint != Endpoint::kVendor)
            return NotCarried(iface_, "feature reports");
        return core_->SetFeature(session_, report);
    }
    Status GetFeature(FeatureReport& report) override {
        if (iface_.endpoint != Endpoint::kVendor)
            return NotCarried(iface_, "feature reports");
        return core_->GetFeature(session_, report);
    }
    Status Write(const DataReport& report) override {
        if (iface_.endpoint != Endpoint::kVendor)
            return NotCarried(iface_, "output reports");
        return core_->Write(session_, report);
    }
    ReadOutcome Read(DataReport& report, std::chrono::milliseconds timeout) override {
        if (iface_.endpoint != Endpoint::kVendor)
            return ReadOutcome::kFailed;
        return core_->Read(session_, report, timeout);
    }
    ReadOutcome ReadNotify(NotifyReport& report, std::chrono::milliseconds timeout) override {
        if (iface_.endpoint != Endpoint::kNotify)
            return ReadOutcome::kFailed;
        return core_->ReadNotify(session_, queue_, report, timeout);
    }

private:
    std::shared_ptr<DeviceCore> core_;
    DeviceCore::Session session_;
    const SimInterface& iface_;
    DeviceCore::NotifyQueue queue_;
};

class SimBackend final : public HidBackend {
public:
    explicit SimBackend(std::shared_ptr<DeviceCore> core) : core_(std::move(core)) {}

    std::vector<HidInterfaceInfo> Enumerate() override {
        std::vector<HidInterfaceInfo> found;
        if (!core_->Plugged())
            return found;
        for (const SimInterface& iface : kInterfaces)
            found.push_back({std::string(iface.path), kKeyboardVendorId, kKeyboardProductId,
                             std::string(iface.matchKey)});
        return found;
    }

    Result<std::unique_ptr<HidHandle>> Open(const std::string& path, bool) override {
        for (const SimInterface& iface : kInterfaces) {
            if (iface.path != path)
                continue;
            auto session = core_->Attach();
            if (!session)
                return session.error();
            return std::unique_ptr<HidHandle>(std::make_unique<SimHandle>(core_, *session, iface));
        }
        return Error{"virtual keyboard: no interface " + path};
    }

private:
    std::shared_ptr<DeviceCore> core_;
};

} // namespace

std::unique_ptr<HidBackend> MakeSimBackend(std::shared_ptr<DeviceCore> core) {
    return std::make_unique<SimBackend>(std::move(core));
}

} // namespace hx::sim
