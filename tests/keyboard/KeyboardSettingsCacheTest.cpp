#include <gtest/gtest.h>

#include <filesystem>

#include "keyboard/KeyboardSettingsCache.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "tests/keyboard/KeyboardTestFolder.h"

namespace {

class KeyboardSettingsCacheTest : public testing::Test {
protected:
    KeyboardTestFolder folder_;
    MXUserDefaults store_ = MXUserDefaults().inDirectory(folder_.path());
};

TEST_F(KeyboardSettingsCacheTest, AnEmptyStoreReadsAsAbsent) {
    KeyboardSettingsCache cache(store_);
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), 0);
    EXPECT_FALSE(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc).has_value());
}

TEST_F(KeyboardSettingsCacheTest, EveryWriteIsSeenByTheNextRead) {
    KeyboardSettingsCache cache(store_);
    for (int64_t value = 1; value <= 5; ++value) {
        ASSERT_TRUE(store_.setInteger(value, KeyboardKeySaveINTMAX));
        EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), value);
    }
    ASSERT_TRUE(store_.setString(u"sq~~$1*$1", KeyboardKeySaveCustomFunc));
    EXPECT_EQ(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc), u"sq~~$1*$1");
    ASSERT_TRUE(store_.removeObjectForKey(KeyboardKeySaveCustomFunc));
    EXPECT_FALSE(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc).has_value());
}

TEST_F(KeyboardSettingsCacheTest, WritesToAnotherStoreInTheFolderLeaveTheValues) {
    KeyboardSettingsCache cache(store_);
    ASSERT_TRUE(store_.setInteger(7, KeyboardKeySaveINTMAX));
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), 7);
    ASSERT_TRUE(MXUserDefaults(u"group.test").inDirectory(folder_.path()).setInteger(3, KeyboardKeySaveINTMAX));
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), 7);
}

TEST_F(KeyboardSettingsCacheTest, ARemovedAndRecreatedStoreIsReadAgain) {
    KeyboardSettingsCache cache(store_);
    ASSERT_TRUE(store_.setInteger(4, KeyboardKeyDecimalDot));
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeyDecimalDot), 4);
    std::filesystem::remove_all(folder_.path());
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeyDecimalDot), 0);
    ASSERT_TRUE(store_.setInteger(9, KeyboardKeyDecimalDot));
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeyDecimalDot), 9);
}

TEST_F(KeyboardSettingsCacheTest, AStoreInAFolderCreatedLaterIsFound) {
    const MXUserDefaults later = MXUserDefaults().inDirectory(folder_.path() / "later");
    KeyboardSettingsCache cache(later);
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), 0);
    ASSERT_TRUE(later.setInteger(2, KeyboardKeySaveINTMAX));
    EXPECT_EQ(KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX), 2);
}

TEST(KeyboardSettingsValues, TypedReadsFollowTheStoreConventions) {
    const std::map<std::u16string, MXSettingsValue> values = {
        {u"a", int64_t{5}}, {u"b", 2.9}, {u"c", std::u16string(u"12x")}};
    EXPECT_EQ(KeyboardSettingsInteger(values, u"a"), 5);
    EXPECT_EQ(KeyboardSettingsInteger(values, u"b"), 2);
    EXPECT_EQ(KeyboardSettingsInteger(values, u"c"), 12);
    EXPECT_EQ(KeyboardSettingsInteger(values, u"d"), 0);
    EXPECT_EQ(KeyboardSettingsText(values, u"a"), u"5");
    EXPECT_EQ(KeyboardSettingsText(values, u"d"), std::nullopt);
}

}  // namespace
