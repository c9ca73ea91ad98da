#pragma once
// A locale named by an identifier such as "de_DE" or "ar_EH" (a BCP 47 tag such as
// "de-DE" is accepted and converted). The current locale is the device's
// (MXDeviceSettings); the system locale is the neutral one (identifier "", with "," as
// grouping and "." as decimal separator).
#include <string>
#include <string_view>

class MXLocale {
public:
    // Throws std::invalid_argument for a text that names no locale (too long, or not
    // made of letters, digits, "_", "-", "@", "=", ";" and ".").
    explicit MXLocale(std::u16string_view identifier);

    static MXLocale localeWithLocaleIdentifier(std::u16string_view identifier) { return MXLocale(identifier); }
    static MXLocale currentLocale();
    static MXLocale systemLocale() { return MXLocale(u""); }
    // The locale of a POSIX locale name such as "de_DE.UTF-8@euro" (charset and
    // modifier are dropped); "C", "POSIX" and the empty name give "en_US_POSIX".
    static MXLocale localeWithPOSIXName(std::string_view name);

    const std::u16string& localeIdentifier() const { return identifier_; }
    // The identifier as ICU takes it.
    std::string icuName() const;
    // The ICU locale whose number patterns formats use: the root locale for the C/POSIX
    // locale, whose own patterns pad the exponent ("1.000000E-009") and never group.
    std::string icuNumberPatternName() const;

    bool operator==(const MXLocale&) const = default;

private:
    std::u16string identifier_;
};
