#pragma once
// Sets the device locale and time zone, or environment variables, for one test and restores them after.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/format/MXDeviceSettings.h"

class DeviceFixture : public ::testing::Test {
protected:
    void TearDown() override {
        MXDeviceSettings::setLocale(std::nullopt);
        MXDeviceSettings::setTimeZone(std::nullopt);
    }

    static void useLocale(std::u16string_view identifier) { MXDeviceSettings::setLocale(MXLocale(identifier)); }
    static void useTimeZone(std::u16string_view name) {
        MXDeviceSettings::setTimeZone(MXTimeZone::timeZoneWithName(name).value());
    }
};

// Saves environment variables and restores them when it goes.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    ~EnvironmentGuard() {
        for (const auto& [name, value] : saved_) set(name, value ? value->c_str() : nullptr);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

    // Sets the variable, or removes it when `value` is null.
    static void set(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};
