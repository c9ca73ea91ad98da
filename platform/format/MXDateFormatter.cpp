#include "platform/format/MXDateFormatter.h"

#include <unicode/udat.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

struct DateFormatCloser {
    void operator()(UDateFormat* format) const { udat_close(format); }
};
using DateFormatHandle = std::unique_ptr<UDateFormat, DateFormatCloser>;

std::string gregorianLocaleName(const MXLocale& locale) {
    char buffer[ULOC_FULLNAME_CAPACITY + ULOC_KEYWORD_AND_VALUES_CAPACITY];
    std::string name = locale.icuName();
    std::copy_n(name.c_str(), name.size() + 1, buffer);
    UErrorCode status = U_ZERO_ERROR;
    uloc_setKeywordValue("calendar", "gregorian", buffer, sizeof buffer, &status);
    return U_FAILURE(status) ? name : std::string(buffer);
}

DateFormatHandle openDateFormat(const MXLocale& locale, const MXTimeZone& zone, std::u16string_view pattern) {
    UErrorCode status = U_ZERO_ERROR;
    const std::u16string& zoneName = zone.name();
    DateFormatHandle format(udat_open(UDAT_PATTERN, UDAT_PATTERN, gregorianLocaleName(locale).c_str(), zoneName.data(),
                                      static_cast<int32_t>(zoneName.size()), pattern.data(),
                                      static_cast<int32_t>(pattern.size()), &status));
    if (U_FAILURE(status)) {
        return nullptr;
    }
    udat_setLenient(format.get(), false);
    return format;
}

bool isShortenableField(char16_t letter) {
    return std::u16string_view(u"MdHhKkms").find(letter) != std::u16string_view::npos;
}

// The pattern with each two-letter numeric field ("MM", "dd", "HH", ...) cut to one
// letter, which reads one or two digits; quoted literal text stays as it is.
std::u16string withOneLetterFields(std::u16string_view pattern) {
    std::u16string result;
    bool quoted = false;
    for (size_t i = 0; i < pattern.size();) {
        char16_t c = pattern[i];
        size_t run = 1;
        while (!quoted && i + run < pattern.size() && pattern[i + run] == c) {
            ++run;
        }
        if (c == u'\'' && run % 2 == 1) {
            quoted = !quoted;
        }
        bool shorten = !quoted && run == 2 && isShortenableField(c);
        result.append(shorten ? 1 : run, c);
        i += run;
    }
    return result;
}

std::optional<MXDate> parseWhole(const UDateFormat* format, std::u16string_view text) {
    if (format == nullptr) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    int32_t position = 0;
    UDate milliseconds = udat_parse(format, text.data(), static_cast<int32_t>(text.size()), &position, &status);
    if (U_FAILURE(status) || position != static_cast<int32_t>(text.size())) {
        return std::nullopt;
    }
    return MXDate::dateWithTimeIntervalSince1970(milliseconds / 1000.0);
}

}  // namespace

std::u16string MXDateFormatter::stringFromDate(const MXDate& date) const {
    DateFormatHandle format = openDateFormat(locale_, timeZone_, pattern_);
    double seconds = date.timeIntervalSince1970();
    if (!format || !std::isfinite(seconds)) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = udat_format(format.get(), seconds * 1000.0, nullptr, 0, nullptr, &status);
    std::u16string text(static_cast<size_t>(std::max(length, 0)), u'\0');
    status = U_ZERO_ERROR;
    udat_format(format.get(), seconds * 1000.0, text.data(), length, nullptr, &status);
    return U_FAILURE(status) ? std::u16string() : text;
}

std::optional<MXDate> MXDateFormatter::dateFromString(std::u16string_view text) const {
    if (auto date = parseWhole(openDateFormat(locale_, timeZone_, pattern_).get(), text)) {
        return date;
    }
    std::u16string relaxed = withOneLetterFields(pattern_);
    if (relaxed == pattern_) {
        return std::nullopt;
    }
    return parseWhole(openDateFormat(locale_, timeZone_, relaxed).get(), text);
}
