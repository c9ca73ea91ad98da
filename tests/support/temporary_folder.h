#pragma once
// A fresh folder per test that serves as the settings folder while the test runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/settings/MXSettingsDirectory.h"

// A fresh temporary folder, removed with everything in it when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mxsettings-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

class TemporarySettingsFolder : public ::testing::Test {
protected:
    void SetUp() override { MXSetSettingsDirectory(folder()); }
    void TearDown() override { MXSetSettingsDirectory(std::nullopt); }

    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    TemporaryFolder folder_;
};
