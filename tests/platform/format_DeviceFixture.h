#pragma once
// Sets the device locale and time zone for one test and restores the environment's after.
#include <gtest/gtest.h>

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
