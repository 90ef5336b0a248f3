#pragma once

#include "config/AppState.h"
#include "profile/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace hx::test {

// A data folder in a temp folder, its "Configure" and a state whose blocks hold a known pattern.
class ProfileFixture : public ::testing::Test {
protected:
    void SetUp() override {
        state = std::make_unique<AppState>();
        state->folders = {dir.path(), dir.path()};
        folder = dir.path() / "Configure";
        for (std::size_t i = 0; i < state->image.bytes.size(); ++i)
            state->image.bytes[i] = static_cast<std::uint8_t>(i * 3 + 1);
        state->keys[7].at(keyrecord::kAssignType) = 4;
    }

    // Bytes that differ from the state's and from each other's, by seed.
    static std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(seed) * 13 + 5);
        return bytes;
    }
    std::filesystem::path Put(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
        std::filesystem::create_directories(folder);
        WriteAll(folder / fileName, bytes);
        return folder / fileName;
    }
    std::filesystem::path PutProfile(const std::string& name, int seed = 1) {
        return Put(name + ".bin", Pattern(kProfileFileSize, seed));
    }
    std::vector<std::uint8_t> LiveBytes() const {
        std::vector<std::uint8_t> bytes(state->image.bytes.begin(), state->image.bytes.end());
        const auto keys = BlockBytes(state->keys);
        bytes.insert(bytes.end(), keys.begin(), keys.end());
        return bytes;
    }

    TempDir dir;
    std::unique_ptr<AppState> state;
    std::filesystem::path folder;
};

} // namespace hx::test
