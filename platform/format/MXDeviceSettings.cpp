#include "platform/format/MXDeviceSettings.h"

#include <unicode/timezone.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>

#include "platform/text/MXText.h"

namespace {

struct DeviceState {
    std::mutex mutex;
    std::optional<MXLocale> locale;
    std::optional<MXTimeZone> timeZone;
};

DeviceState& deviceState() {
    static DeviceState state;
    return state;
}

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

MXLocale environmentLocale() {
    std::string name = environmentValue("LC_ALL").value_or(environmentValue("LANG").value_or("C"));
    try {
        return MXLocale::localeWithPOSIXName(name);
    } catch (const std::invalid_argument&) {
        return MXLocale::localeWithPOSIXName("C");
    }
}

// "Europe/Berlin", ":Europe/Berlin" or "/usr/share/zoneinfo/Europe/Berlin".
std::optional<MXTimeZone> zoneFromTZ(std::string value) {
    if (!value.empty() && value.front() == ':') {
        value.erase(0, 1);
    }
    if (size_t below = value.rfind("zoneinfo/"); below != std::string::npos) {
        value.erase(0, below + 9);
    }
    return MXTimeZone::timeZoneWithName(MXFromUtf8(value));
}

std::optional<MXTimeZone> hostZone() {
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
    if (!host) {
        return std::nullopt;
    }
    icu::UnicodeString id;
    host->getID(id);
    return MXTimeZone::timeZoneWithName(std::u16string_view(id.getBuffer(), static_cast<size_t>(id.length())));
}

MXTimeZone environmentTimeZone() {
    std::optional<MXTimeZone> zone;
    if (const char* tz = std::getenv("TZ")) {
        zone = *tz == '\0' ? MXTimeZone::timeZoneWithName(u"UTC") : zoneFromTZ(tz);
    }
    if (!zone) {
        zone = hostZone();
    }
    return zone ? *zone : *MXTimeZone::timeZoneWithName(u"UTC");
}

// The value set by code, else the environment's.
template <class Value, class FromEnvironment>
Value setOr(const std::optional<Value>& setByCode, FromEnvironment fromEnvironment) {
    std::unique_lock lock(deviceState().mutex);
    std::optional<Value> value = setByCode;
    lock.unlock();
    return value ? *value : fromEnvironment();
}

}  // namespace

MXLocale MXDeviceSettings::locale() {
    return setOr(deviceState().locale, environmentLocale);
}

void MXDeviceSettings::setLocale(std::optional<MXLocale> locale) {
    std::lock_guard lock(deviceState().mutex);
    deviceState().locale = std::move(locale);
}

MXTimeZone MXDeviceSettings::timeZone() {
    return setOr(deviceState().timeZone, environmentTimeZone);
}

void MXDeviceSettings::setTimeZone(std::optional<MXTimeZone> timeZone) {
    std::lock_guard lock(deviceState().mutex);
    deviceState().timeZone = std::move(timeZone);
}
