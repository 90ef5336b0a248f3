#include "app/Options.h"

#include <gtest/gtest.h>

namespace hx {
namespace {

TEST(Options, AcceptedForms) {
    auto o = ParseOptions({"--data-dir=/tmp/a b", "--version"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->dataDir, "/tmp/a b");
    EXPECT_TRUE(o->version);
    EXPECT_FALSE(o->help);

    o = ParseOptions({"--data-dir", "rel/dir", "--help"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->dataDir, "rel/dir");
    EXPECT_TRUE(o->help);
}

TEST(Options, VirtualKeyboardFileIsOptional) {
    auto o = ParseOptions({"--virtual-keyboard", "--hid-trace=t.log", "--screenshot", "s.png"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->virtualKeyboard, "");
    EXPECT_EQ(o->hidTrace, "t.log");
    EXPECT_EQ(o->screenshot, "s.png");
    o = ParseOptions({"--virtual-keyboard=kb.bin"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->virtualKeyboard, "kb.bin");
    EXPECT_FALSE(ParseOptions({"--virtual-keyboard="}));
    EXPECT_FALSE(ParseOptions({"--virtual-keyboard", "kb.bin"})); // not taken as its value
}

TEST(Options, RejectedForms) {
    const std::vector<std::vector<std::string>> bad = {
        {"--colour"}, {"--data-dir"}, {"--data-dir="}, {"--help=yes"}, {"file.bin"},
    };
    for (const auto& args : bad) {
        auto o = ParseOptions(args);
        EXPECT_FALSE(o) << args[0];
        if (!o) {
            EXPECT_NE(o.error().message.find("--"), std::string::npos) << o.error().message;
        }
    }
}

} // namespace
} // namespace hx
