#include "platform/settings/MXUserDefaults.h"

#include <stdexcept>

#include "platform/settings/MXSettingsDatabase.h"
#include "platform/settings/MXSettingsDirectory.h"
#include "platform/text/MXText.h"

const std::u16string MXAppGroupIdentifier = u"group.org.mxcalc.keyboard";

namespace {

const std::u16string kStandardName = u"standard";

bool isFileName(std::u16string_view name) {
    return !name.empty() && name != kStandardName && name.front() != u'.' &&
           name.find_first_of(std::u16string_view(u"/\0", 2)) == std::u16string_view::npos;
}

mxcalc::detail::MXSettingsDatabase databaseOf(const MXUserDefaults& store) {
    return mxcalc::detail::MXSettingsDatabase(store.filePath());
}

}  // namespace

MXUserDefaults::MXUserDefaults(std::u16string suiteName) : suiteName_(std::move(suiteName)) {
    if (!isFileName(*suiteName_)) {
        throw std::invalid_argument("invalid settings suite name: " + MXToUtf8(*suiteName_));
    }
}

MXUserDefaults& MXUserDefaults::standardUserDefaults() {
    static MXUserDefaults standard;
    return standard;
}

MXUserDefaults MXUserDefaults::suite(std::u16string suiteName) const {
    MXUserDefaults store(std::move(suiteName));
    store.directory_ = directory_;
    return store;
}

MXUserDefaults MXUserDefaults::inDirectory(std::filesystem::path directory) const {
    MXUserDefaults store = *this;
    store.directory_ = std::move(directory);
    return store;
}

std::filesystem::path MXUserDefaults::filePath() const {
    std::filesystem::path directory = directory_ ? *directory_ : MXSettingsDirectory();
    return directory / (MXToUtf8(suiteName_.value_or(kStandardName)) + ".sqlite");
}

int64_t MXUserDefaults::integerForKey(std::u16string_view key) const {
    auto value = objectForKey(key);
    return value ? MXSettingsIntegerValue(*value) : 0;
}

double MXUserDefaults::doubleForKey(std::u16string_view key) const {
    auto value = objectForKey(key);
    return value ? MXSettingsDoubleValue(*value) : 0.0;
}

std::optional<std::u16string> MXUserDefaults::stringForKey(std::u16string_view key) const {
    auto value = objectForKey(key);
    if (!value) {
        return std::nullopt;
    }
    return MXSettingsTextValue(*value);
}

std::optional<MXSettingsValue> MXUserDefaults::objectForKey(std::u16string_view key) const {
    return databaseOf(*this).read(key);
}

std::map<std::u16string, MXSettingsValue> MXUserDefaults::dictionaryRepresentation() const {
    return databaseOf(*this).readAll();
}

bool MXUserDefaults::setInteger(int64_t value, std::u16string_view key) const {
    return setObject(MXSettingsValue(value), key);
}

bool MXUserDefaults::setDouble(double value, std::u16string_view key) const {
    return setObject(MXSettingsValue(value), key);
}

bool MXUserDefaults::setString(std::u16string_view value, std::u16string_view key) const {
    return setObject(MXSettingsValue(std::u16string(value)), key);
}

bool MXUserDefaults::setObject(const MXSettingsValue& value, std::u16string_view key) const {
    return databaseOf(*this).write(key, value);
}

bool MXUserDefaults::removeObjectForKey(std::u16string_view key) const {
    return databaseOf(*this).remove(key);
}

MXSettingsAccess MXUserDefaults::access() const {
    return databaseOf(*this).access();
}
