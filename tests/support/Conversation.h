#pragma once

#include "common/Clock.h"
#include "device/HidTrace.h"
#include "device/Pacer.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace hx::test {

// One log of everything that crosses the link: the trace's report lines and the pacer's pauses,
// in the order they happened, without time stamps. The pacer also moves a manual clock, which
// the virtual keyboard reads to check the pauses.
class Conversation final : public Pacer {
public:
    explicit Conversation(ManualClock& clock)
        : clock_(clock), trace_(std::make_unique<std::ostream>(&sink_), clock) {}

    HidTrace& trace() { return trace_; }

    void Pause(std::chrono::milliseconds d) override {
        clock_.Advance(d);
        sink_.Append("PAUSE " + std::to_string(d.count()) + "\n");
    }

    // Every line without its time stamp; NTF lines (written by the listener thread whenever it
    // reads) are left out unless asked for.
    std::vector<std::string> Lines(bool withNotify = false) const {
        std::vector<std::string> lines;
        std::istringstream in(sink_.Text());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("PAUSE", 0) != 0)
                line = line.substr(line.find(' ') + 1);
            if (withNotify || line.rfind("NTF", 0) != 0)
                lines.push_back(line);
        }
        return lines;
    }
    std::chrono::milliseconds TotalPause() const {
        std::chrono::milliseconds sum{0};
        for (const std::string& l : Lines())
            if (l.rfind("PAUSE ", 0) == 0)
                sum += std::chrono::milliseconds(std::stoi(l.substr(6)));
        return sum;
    }
    void Clear() { sink_.Clear(); }

private:
    class LockedSink final : public std::streambuf {
    public:
        void Append(const std::string& s) {
            std::lock_guard lock(mutex_);
            text_ += s;
        }
        std::string Text() const {
            std::lock_guard lock(mutex_);
            return text_;
        }
        void Clear() {
            std::lock_guard lock(mutex_);
            text_.clear();
        }

    protected:
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            Append(std::string(s, static_cast<std::size_t>(n)));
            return n;
        }
        int_type overflow(int_type c) override {
            if (c != traits_type::eof())
                Append(std::string(1, static_cast<char>(c)));
            return c;
        }

    private:
        mutable std::mutex mutex_;
        std::string text_;
    };

    ManualClock& clock_;
    LockedSink sink_;
    HidTrace trace_;
};

// "SET" line of a command as the trace writes it, checksum computed independently.
inline std::string SetLine(std::vector<unsigned> bytes1to7) {
    bytes1to7.resize(7, 0);
    unsigned sum = 0;
    std::string line = "SET 00";
    char hex[4];
    for (unsigned b : bytes1to7) {
        sum += b;
        std::snprintf(hex, sizeof hex, " %02x", b & 0xFF);
        line += hex;
    }
    std::snprintf(hex, sizeof hex, " %02x", (0xFF - sum) & 0xFF);
    return line + hex;
}

} // namespace hx::test
