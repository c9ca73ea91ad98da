#pragma once
// The device's locale and time zone, for the whole process. Each is the one set by code
// (tests, mxcalc --locale and --timezone) or else read from the environment on every
// call: the locale from LC_ALL, then LANG ("en_US_POSIX" when neither names one); the
// time zone from TZ (a zone name, optionally after ":" or as a path below "zoneinfo/"),
// then the host's configured zone, then "UTC".
#include <optional>

#include "platform/format/MXLocale.h"
#include "platform/format/MXTimeZone.h"

class MXDeviceSettings {
public:
    static MXLocale locale();
    // Nothing returns to the environment's locale.
    static void setLocale(std::optional<MXLocale> locale);

    static MXTimeZone timeZone();
    static void setTimeZone(std::optional<MXTimeZone> timeZone);
};
