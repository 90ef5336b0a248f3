#pragma once

#include "common/Clock.h"
#include "common/Utf16.h"
#include "keymap/KeyCatalogue.h"
#include "macro/MacroManager.h"
#include "support/FakeServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace hx::test {

// The hook as the manager sees it: counts installs and removals, answers from installResult.
class RecordingHook final : public MacroHookControl {
public:
    bool Install() override {
        ++installs;
        return installResult;
    }
    void Remove() override { ++removals; }

    bool installResult = true;
    int installs = 0;
    int removals = 0;
};

// Virtual-key codes used by the tests; their device codes follow the catalogue.
inline constexpr std::uint8_t kA = 0x41; // device 0x04, "A "
inline constexpr std::uint8_t kB = 0x42; // device 0x05, "B "
inline constexpr std::uint8_t kC = 0x43; // device 0x06, "C "

inline std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string out;
    char buf[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", b);
        out += buf;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

// A manager over a library the test fills, with a clock the test moves.
class MacroManagerFixture : public ::testing::Test {
protected:
    // Adds a named record whose events are given by virtual-key code; the device list gets the
    // catalogue's codes.
    MacroRecord& AddMacro(std::u16string_view name, std::vector<MacroEvent> events = {},
                          std::uint16_t repeat = 1, bool delays = false) {
        MacroRecord& r = (*library)[NamedMacroCount(*library)];
        r.SetName(name);
        r.SetRepeatCount(repeat);
        r.SetHasDelays(delays);
        EXPECT_TRUE(EncodeEvents(events, r.KeyEvents()));
        for (MacroEvent& e : events)
            e.key = DeviceCodeOf(e.key);
        EXPECT_TRUE(EncodeEvents(events, r.DeviceEvents()));
        return r;
    }
    void Open() { manager->Open(*library); }

    std::vector<std::string> EventLines() const { return Utf8(manager->EventLines()); }
    std::vector<std::string> MacroLines() const { return Utf8(manager->MacroLines()); }
    // The working lists up to their end.
    std::string DeviceBytes() const {
        const auto& w = manager->Working();
        return Hex(std::span(w.device).first(w.End()));
    }
    std::string KeyBytes() const {
        const auto& w = manager->Working();
        return Hex(std::span(w.key).first(w.End()));
    }
    // The selected record's device list as stored in the working library.
    std::string StoredDeviceBytes(int macro) const {
        const auto list = manager->EditLibrary()[static_cast<std::size_t>(macro)].DeviceEvents();
        return Hex(list.first(EventListEnd(list)));
    }

    void Press(std::uint8_t vk, int afterMs = 0) { Key(vk, false, afterMs); }
    void Release(std::uint8_t vk, int afterMs = 0) { Key(vk, true, afterMs); }
    void Key(std::uint8_t vk, bool release, int afterMs) {
        clock.Advance(std::chrono::milliseconds(afterMs));
        manager->HookKey(vk, release);
    }

    static std::vector<std::string> Utf8(const std::vector<std::u16string>& lines) {
        std::vector<std::string> out;
        for (const auto& l : lines)
            out.push_back(Utf16ToUtf8(l));
        return out;
    }

    ScriptedUi ui;
    RecordingHook hook;
    ManualClock clock;
    std::unique_ptr<MacroLibrary> library = std::make_unique<MacroLibrary>();
    std::unique_ptr<MacroManager> manager = std::make_unique<MacroManager>(ui, hook, clock);
};

using Lines = std::vector<std::string>;

} // namespace hx::test
