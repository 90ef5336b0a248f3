#pragma once

#include "common/Clock.h"
#include "common/Result.h"
#include "device/HidBackend.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>

namespace hx {

// Direction and channel of one traced report.
enum class TraceKind { kSet, kGet, kOut, kIn, kNotify };

// One line per report: "T KIND HEX", T in milliseconds since the trace started with three
// decimals, HEX every byte including the report id. Flushed per line so a crash loses nothing.
class HidTrace {
public:
    HidTrace(std::unique_ptr<std::ostream> out, const Clock& clock);
    static Result<std::unique_ptr<HidTrace>> OpenFile(const std::filesystem::path& path,
                                                      const Clock& clock);

    void Log(TraceKind kind, std::span<const std::uint8_t> report);

private:
    std::mutex mutex_;
    std::unique_ptr<std::ostream> out_;
    const Clock& clock_;
    Clock::Duration start_;
};

// Wraps a handle so every report in and out passes the trace.
std::unique_ptr<HidHandle> TraceHandle(std::unique_ptr<HidHandle> handle, HidTrace& trace);

} // namespace hx
