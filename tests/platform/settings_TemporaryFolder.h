#pragma once
// A fresh folder per test that serves as the settings folder while the test runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/settings/MXSettingsDirectory.h"

class TemporarySettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "mxsettings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        MXSetSettingsDirectory(folder_);
    }

    void TearDown() override {
        MXSetSettingsDirectory(std::nullopt);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};
