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

TEST_F(KeyboardSettingsCacheTest, ARemovedAndRecreatedStoreIsReadAgain) {
    KeyboardSettingsCache cache(store_);
    ASSERT_TRUE(store_.setInteger(4, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 4);
    std::filesystem::remove_all(folder_.path());
    EXPECT_EQ(precision(cache), 0);
    ASSERT_TRUE(store_.setInteger(9, KeyboardKeySaveINTMAX));
    EXPECT_EQ(precision(cache), 9);
}

}  // namespace
