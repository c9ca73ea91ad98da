#pragma once
// A time zone named by its identifier ("Europe/Berlin", "UTC", "GMT+05:30"). The local
// time zone is the device's (MXDeviceSettings).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/format/MXDate.h"

class MXTimeZone {
public:
    // Nothing for a name that is no time zone.
    static std::optional<MXTimeZone> timeZoneWithName(std::u16string_view name);
    // "UTC" and "GMT"; nothing for other abbreviations.
    static std::optional<MXTimeZone> timeZoneWithAbbreviation(std::u16string_view abbreviation);
    static MXTimeZone localTimeZone();

    const std::u16string& name() const { return name_; }
    // The zone's offset from UTC at the date, daylight saving time included.
    int64_t secondsFromGMTForDate(const MXDate& date) const;

    bool operator==(const MXTimeZone&) const = default;

private:
    explicit MXTimeZone(std::u16string name) : name_(std::move(name)) {}

    std::u16string name_;
};
