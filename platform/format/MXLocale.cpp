#include "platform/format/MXLocale.h"

#include <unicode/uloc.h>

#include <cstring>
#include <stdexcept>

#include "platform/format/MXDeviceSettings.h"
#include "platform/text/MXText.h"

namespace {

bool isIdentifierCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '@' || c == '=' || c == ';' || c == '.';
}

[[noreturn]] void rejectIdentifier(std::string_view text) {
    throw std::invalid_argument("invalid locale identifier: " + std::string(text));
}

std::string canonicalName(const std::string& text) {
    char buffer[ULOC_FULLNAME_CAPACITY];
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    if (text.find('-') != std::string::npos) {
        int32_t parsed = 0;
        length = uloc_forLanguageTag(text.c_str(), buffer, sizeof buffer, &parsed, &status);
        if (parsed != static_cast<int32_t>(text.size())) {
            status = U_ILLEGAL_ARGUMENT_ERROR;
        }
    } else {
        length = uloc_canonicalize(text.c_str(), buffer, sizeof buffer, &status);
    }
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING) {
        rejectIdentifier(text);
    }
    return std::string(buffer, static_cast<size_t>(length));
}

}  // namespace

MXLocale::MXLocale(std::u16string_view identifier) {
    std::string text = MXToUtf8(identifier);
    for (char c : text) {
        if (!isIdentifierCharacter(c)) {
            rejectIdentifier(text);
        }
    }
    identifier_ = MXFromUtf8(canonicalName(text));
}

MXLocale MXLocale::currentLocale() {
    return MXDeviceSettings::locale();
}

MXLocale MXLocale::localeWithPOSIXName(std::string_view name) {
    std::string_view language = name.substr(0, name.find_first_of(".@"));
    if (language.empty() || language == "C" || language == "POSIX") {
        return MXLocale(u"en_US_POSIX");
    }
    return MXLocale(MXFromUtf8(language));
}

std::string MXLocale::icuName() const {
    return MXToUtf8(identifier_);
}

std::string MXLocale::icuNumberPatternName() const {
    const std::string name = icuName();
    char variant[ULOC_FULLNAME_CAPACITY] = "";
    UErrorCode status = U_ZERO_ERROR;
    uloc_getVariant(name.c_str(), variant, sizeof variant, &status);
    return U_SUCCESS(status) && std::strcmp(variant, "POSIX") == 0 ? std::string() : name;
}
