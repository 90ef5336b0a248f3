#include "device/Commands.h"
#include "device/FeatureReports.h"
#include "sim/VirtualKeyboard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace hx::sim {
namespace {

using hx::test::ReadAll;
using hx::test::TempDir;
using hx::test::WriteAll;

KeyboardMemory Tuned() {
    KeyboardMemory m = FactoryMemory(2, 3);
    m.image.at(image::kGameMode) = 1;
    m.image.at(image::MacroSlot(31), 191) = 0x5A;
    m.image.at(image::ColourTable(4), 511) = 0xA5;
    return m;
}

TEST(SimStateFileTest, SavedMemoryLoadsBackTheSame) {
    TempDir dir;
    VirtualKeyboard keyboard(Tuned());
    ASSERT_TRUE(keyboard.SaveState(dir / "kbd.bin").ok());

    const auto loaded = VirtualKeyboard::LoadState(dir / "kbd.bin");
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    EXPECT_EQ(*loaded, Tuned());

    // Saving again replaces the file whole.
    keyboard.SetMemory(FactoryMemory());
    ASSERT_TRUE(keyboard.SaveState(dir / "kbd.bin").ok());
    EXPECT_EQ(*VirtualKeyboard::LoadState(dir / "kbd.bin"), FactoryMemory());
}

struct BadFileCase {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    const char* expected;
};

TEST(SimStateFileTest, AWrongFileIsRefusedWithAClearMessage) {
    TempDir dir;
    const auto good = dir / "good.bin";
    ASSERT_TRUE(VirtualKeyboard(Tuned()).SaveState(good).ok());
    const std::vector<std::uint8_t> bytes = ReadAll(good);

    const BadFileCase cases[] = {
        {"empty", [](auto& b) { b.clear(); }, "is not a virtual keyboard state file"},
        {"foreign", [](auto& b) { b[0] = 'X'; }, "is not a virtual keyboard state file"},
        {"newer format", [](auto& b) { b[8] = 2; }, "unsupported format version 2"},
        {"truncated", [](auto& b) { b.pop_back(); }, "has 10075 bytes, expected 10076"},
        {"header only", [](auto& b) { b.resize(12); }, "has 12 bytes"},
        {"too long", [](auto& b) { b.push_back(0); }, "has 10077 bytes"},
        {"damaged image byte", [](auto& b) { b[12 + 7450] ^= 0x10; }, "is damaged"},
        {"damaged firmware byte", [](auto& b) { b[9] = 7; }, "is damaged"},
    };
    for (const BadFileCase& c : cases) {
        std::vector<std::uint8_t> damaged = bytes;
        c.damage(damaged);
        const auto file = dir / "bad.bin";
        WriteAll(file, damaged);

        const auto loaded = VirtualKeyboard::LoadState(file);
        ASSERT_FALSE(loaded.ok()) << c.name;
        EXPECT_NE(loaded.error().message.find(c.expected), std::string::npos)
            << c.name << ": " << loaded.error().message;
        EXPECT_NE(loaded.error().message.find(file.string()), std::string::npos) << c.name;
    }

    const auto missing = VirtualKeyboard::LoadState(dir / "missing.bin");
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().message.find("does not exist"), std::string::npos);
}

} // namespace
} // namespace hx::sim

namespace hx::sim {
namespace {

TEST(SimPersistence, ConfirmedWritesReachTheFileAtOnce) {
    hx::test::TempDir dir;
    VirtualKeyboard keyboard;
    keyboard.PersistTo(dir / "kb.bin");
    auto backend = keyboard.MakeBackend();
    auto handle = backend->Open("sim:kbd/mi_03", false);
    ASSERT_TRUE(handle.ok());
    ASSERT_TRUE((*handle)->SetFeature(BuildFeatureReport(GET_GAME_MODE)).ok()); // a read: no save
    FeatureReport reply{};
    ASSERT_TRUE((*handle)->GetFeature(reply).ok());
    EXPECT_FALSE(std::filesystem::exists(dir / "kb.bin"));

    ASSERT_TRUE((*handle)->SetFeature(BuildValueReport(SET_RESPONSE_TIME, 7)).ok());
    auto saved = VirtualKeyboard::LoadState(dir / "kb.bin");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->image.at(image::kResponseTime), 7);
}

} // namespace
} // namespace hx::sim
