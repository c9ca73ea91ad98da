#include "platform/format/MXTimeZone.h"

#include <unicode/ucal.h>

#include <cmath>
#include <memory>

#include "platform/format/MXDeviceSettings.h"

namespace {

struct CalendarCloser {
    void operator()(UCalendar* calendar) const { ucal_close(calendar); }
};

}  // namespace

std::optional<MXTimeZone> MXTimeZone::timeZoneWithName(std::u16string_view name) {
    UChar canonical[128];
    UBool isSystemID = false;
    UErrorCode status = U_ZERO_ERROR;
    ucal_getCanonicalTimeZoneID(name.data(), static_cast<int32_t>(name.size()), canonical, 128, &isSystemID, &status);
    // ICU names the zone it falls back to "Etc/Unknown"; it is no zone of its own.
    if (name.empty() || U_FAILURE(status) || name == u"Etc/Unknown") {
        return std::nullopt;
    }
    return MXTimeZone(std::u16string(name));
}

std::optional<MXTimeZone> MXTimeZone::timeZoneWithAbbreviation(std::u16string_view abbreviation) {
    if (abbreviation == u"UTC" || abbreviation == u"GMT") {
        return timeZoneWithName(abbreviation);
    }
    return std::nullopt;
}

MXTimeZone MXTimeZone::localTimeZone() {
    return MXDeviceSettings::timeZone();
}

int64_t MXTimeZone::secondsFromGMTForDate(const MXDate& date) const {
    double seconds = date.timeIntervalSince1970();
    if (!std::isfinite(seconds)) {
        return 0;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCalendar, CalendarCloser> calendar(
        ucal_open(name_.data(), static_cast<int32_t>(name_.size()), "", UCAL_GREGORIAN, &status));
    ucal_setMillis(calendar.get(), seconds * 1000.0, &status);
    int32_t zone = ucal_get(calendar.get(), UCAL_ZONE_OFFSET, &status);
    int32_t daylight = ucal_get(calendar.get(), UCAL_DST_OFFSET, &status);
    return U_FAILURE(status) ? 0 : (static_cast<int64_t>(zone) + daylight) / 1000;
}
