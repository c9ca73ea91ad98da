// The keyboard's cache of the settings store: every write is seen by the next read.
#include <filesystem>

#include "keyboard/KeyboardSettingsCache.h"
#include "tests/support/keyboard_fixture.h"

namespace {

class KeyboardSettingsCacheTest : public testing::Test {
protected:
    int64_t precision(KeyboardSettingsCache& cache) {
        return KeyboardSettingsInteger(cache.values(), KeyboardKeySaveINTMAX);
    }

    TemporaryFolder folder_;
    MXUserDefaults store_ = MXUserDefaults().inDirectory(folder_.path());
};

TEST_F(KeyboardSettingsCacheTest, EveryWriteToItsStoreIsSeenByTheNextRead) {
    KeyboardSettingsCache cache(store_);
    EXPECT_EQ(precision(cache), 0);
    EXPECT_FALSE(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc).has_value());
    ASSERT_TRUE(store_.setInteger(3, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 3);
    ASSERT_TRUE(store_.setString(u"sq~~$1*$1", KeyboardKeySaveCustomFunc));
    EXPECT_EQ(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc), u"sq~~$1*$1");
    ASSERT_TRUE(store_.removeObjectForKey(KeyboardKeySaveCustomFunc));
    EXPECT_FALSE(KeyboardSettingsText(cache.values(), KeyboardKeySaveCustomFunc).has_value());
    ASSERT_TRUE(MXUserDefaults(u"group.test").inDirectory(folder_.path()).setInteger(7, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 3);
}

TEST_F(KeyboardSettingsCacheTest, ARemovedAndRecreatedStoreIsReadAgain) {
    KeyboardSettingsCache cache(store_);
    ASSERT_TRUE(store_.setInteger(4, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 4);
    std::filesystem::remove_all(folder_.path());
    EXPECT_EQ(precision(cache), 0);
    ASSERT_TRUE(store_.setInteger(9, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 9);
}

TEST_F(KeyboardSettingsCacheTest, AStoreInAFolderCreatedLaterIsFound) {
    const MXUserDefaults later = MXUserDefaults().inDirectory(folder_.path() / "later");
    KeyboardSettingsCache cache(later);
    EXPECT_EQ(precision(cache), 0);
    ASSERT_TRUE(later.setInteger(2, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 2);
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
