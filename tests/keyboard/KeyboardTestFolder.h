#pragma once
// A fresh temporary folder for one test's settings stores, removed afterwards.
#include <filesystem>
#include <string>

class KeyboardTestFolder {
public:
    KeyboardTestFolder();
    ~KeyboardTestFolder();
    KeyboardTestFolder(const KeyboardTestFolder&) = delete;
    KeyboardTestFolder& operator=(const KeyboardTestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
