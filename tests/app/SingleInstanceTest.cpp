#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef HX_PROGRAM
#error "HX_PROGRAM must name the built program"
#endif

namespace hx {
namespace {

using namespace std::chrono_literals;

// Starts the program in its own temp and data folders, output to a log in the data folder.
pid_t Start(const std::filesystem::path& dir, const std::string& extra = {}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("TMPDIR", dir.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
        const std::string log = (dir / "log.txt").string();
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        const std::string data = "--data-dir=" + (dir / "data").string();
        const std::string kb = "--virtual-keyboard=" + (dir / "kb.bin").string();
        if (extra.empty())
            ::execl(HX_PROGRAM, HX_PROGRAM, data.c_str(), kb.c_str(), nullptr);
        ::execl(HX_PROGRAM, HX_PROGRAM, data.c_str(), kb.c_str(), extra.c_str(), nullptr);
        ::_exit(127);
    }
    return pid;
}

// The exit code, or -1 when the process is still running after `limit`.
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(20ms);
    }
    return -1;
}

TEST(SingleInstance, SecondStartHandsOverAndEnds) {
    test::TempDir dir;
    const pid_t first = Start(dir.path());
    // The first instance is up once it has written its data files.
    for (int i = 0; i < 300 && !std::filesystem::exists(dir / "data" / "keymap.bin"); ++i)
        std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(std::filesystem::exists(dir / "data" / "keymap.bin"));
    std::this_thread::sleep_for(200ms);

    const pid_t second = Start(dir.path());
    EXPECT_EQ(WaitFor(second, 10s), 0) << "the second start did not end on its own";
    EXPECT_EQ(WaitFor(first, 0ms), -1) << "the first instance ended";

    ::kill(first, SIGTERM);
    WaitFor(first, 10s);
}

TEST(Screenshot, WritesTheWindowAndExits) {
    test::TempDir dir;
    const pid_t pid = Start(dir.path(), "--screenshot=" + (dir / "shot.png").string());
    EXPECT_EQ(WaitFor(pid, 60s), 0) << test::ReadAll(dir / "log.txt").size();
    const auto png = test::ReadAll(dir / "shot.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
    EXPECT_TRUE(std::filesystem::exists(dir / "kb.bin")) << "the keyboard's memory was not kept";
}

} // namespace
} // namespace hx
