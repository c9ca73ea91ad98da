// Keys tapped on the loaded keyboard: the text each inserts in degree and radian mode, and
// the globe key.
#include "tests/support/keyboard_fixture.h"

namespace {

struct KeysCase {
    std::vector<std::u16string_view> keys;
    std::u16string document;
    std::u16string title;
};

class KeyboardKeys : public KeyboardTest, public testing::WithParamInterface<KeysCase> {};

TEST_P(KeyboardKeys, TypeIntoTheHostAndTheExpression) {
    load();
    for (std::u16string_view key : GetParam().keys) tap({key});
    EXPECT_EQ(keyboard_.document(), GetParam().document);
    EXPECT_EQ(keyboard_.spaceTitle(), GetParam().title);
}

const KeysCase kKeysCases[] = {
    {{u"shiftButton", u"cos", u"0"}, u"cos(0", u" = 1"},
    {{u"asin", u"1"}, u"rtod(asin(1", u" = 90"},
    {{u"8", u"ʸ√x", u"3", u")", u"-", u"1", u"EE", u"3"}, u"8^(1/3) - 1E3", u" = -998"},
    {{u"1", u"2", u"backSpaceButton", u"5"}, u"15", u" = 15"},
};
INSTANTIATE_TEST_SUITE_P(Keys, KeyboardKeys, testing::ValuesIn(kKeysCases));

TEST_F(KeyboardTest, GlobeKeySwitchesKeyboardsOrLeavesItToThePlatformsList) {
    load();
    tap({u"globeButton"});
    EXPECT_EQ(keyboard_.host().advanceCount(), 1);
    EXPECT_EQ(keyboard_.host().playedSounds().size(), 1u);

    KeyboardHeadless listed(store_);
    listed.host().setHandlesInputModeList(true);
    listed.controller().viewDidLoad();
    listed.controller().viewDidAppear(false);
    listed.controller().viewDidAppear(false);
    listed.tap(*listed.views().globeButton);
    EXPECT_EQ(listed.host().advanceCount(), 0);
    EXPECT_EQ(listed.host().inputModeListCount(), 2) << "touch down and up, connected once";
    EXPECT_TRUE(listed.host().playedSounds().empty());
}

}  // namespace
