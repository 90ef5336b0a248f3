#include "device/HidTrace.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace hx {
namespace {

constexpr std::array<const char*, 5> kKindNames{"SET", "GET", "OUT", "IN", "NTF"};

class TracedHandle final : public HidHandle {
public:
    TracedHandle(std::unique_ptr<HidHandle> inner, HidTrace& trace)
        : inner_(std::move(inner)), trace_(trace) {}

    Status SetFeature(const FeatureReport& r) override {
        trace_.Log(TraceKind::kSet, r);
        return inner_->SetFeature(r);
    }
    Status GetFeature(FeatureReport& r) override {
        Status s = inner_->GetFeature(r);
        if (s)
            trace_.Log(TraceKind::kGet, r);
        return s;
    }
    Status Write(const DataReport& r) override {
        trace_.Log(TraceKind::kOut, r);
        return inner_->Write(r);
    }
    ReadOutcome Read(DataReport& r, std::chrono::milliseconds timeout) override {
        const ReadOutcome o = inner_->Read(r, timeout);
        if (o == ReadOutcome::kReport)
            trace_.Log(TraceKind::kIn, r);
        return o;
    }
    ReadOutcome ReadNotify(NotifyReport& r, std::chrono::milliseconds timeout) override {
        const ReadOutcome o = inner_->ReadNotify(r, timeout);
        if (o == ReadOutcome::kReport)
            trace_.Log(TraceKind::kNotify, r);
        return o;
    }

private:
    std::unique_ptr<HidHandle> inner_;
    HidTrace& trace_;
};

} // namespace

HidTrace::HidTrace(std::unique_ptr<std::ostream> out, const Clock& clock)
    : out_(std::move(out)), clock_(clock), start_(clock.Now()) {}

Result<std::unique_ptr<HidTrace>> HidTrace::OpenFile(const std::filesystem::path& path,
                                                     const Clock& clock) {
    auto file = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc);
    if (!*file)
        return Error{"cannot open trace file " + path.string()};
    return std::make_unique<HidTrace>(std::move(file), clock);
}

void HidTrace::Log(TraceKind kind, std::span<const std::uint8_t> report) {
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(clock_.Now() - start_).count();
    std::string line(32 + report.size() * 3, '\0');
    int n = std::snprintf(
        line.data(), line.size(), "%lld.%03lld %s", static_cast<long long>(micros / 1000),
        static_cast<long long>(micros % 1000), kKindNames[static_cast<std::size_t>(kind)]);
    for (std::uint8_t b : report)
        n += std::snprintf(line.data() + n, line.size() - static_cast<std::size_t>(n), " %02x", b);
    line.resize(static_cast<std::size_t>(n));
    line += '\n';
    std::lock_guard lock(mutex_);
    *out_ << line << std::flush;
}

std::unique_ptr<HidHandle> TraceHandle(std::unique_ptr<HidHandle> handle, HidTrace& trace) {
    return std::make_unique<TracedHandle>(std::move(handle), trace);
}

} // namespace hx
