// Keys tapped on the loaded keyboard: the text each inserts in degree and radian mode, the
// shift key, held backspace, the globe key, the precision slider.
#include <tuple>

#include "tests/support/keyboard_fixture.h"

namespace {

constexpr uint32_t kKeyClick = 1104;

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

TEST_F(KeyboardTest, ShiftTogglesRadiansWithItsImageAndClicks) {
    load();
    for (const int status : {1, 0}) {
        tap({u"shiftButton"});
        EXPECT_EQ(controller().isRAD(), status == 1);
        EXPECT_EQ(keyboard_.views().shiftButton->imageForState(MXControlState::Normal)->name,
                  u"shift_" + MXIntegerText(status) + u".png");
    }
    EXPECT_EQ(keyboard_.host().playedSounds(), std::vector<uint32_t>(2, kKeyClick));
}

// Held backspace deletes after 0.4 s; moving the touch stops the repeat after the pending
// deletion (the repeat and the lift are checked by the desktop keyboard's tests).
TEST_F(KeyboardTest, HeldBackspaceStopsWhenMoved) {
    load();
    tap({u"1", u"2", u"3", u"4", u"5"});
    MXButton& backspace = *keyboard_.views().backSpaceButton;
    backspace.touchDown({10, 10});
    keyboard_.environment().advance(0.39);
    EXPECT_EQ(keyboard_.document(), u"12345");
    keyboard_.environment().advance(0.02);
    EXPECT_EQ(keyboard_.document(), u"1234");
    backspace.touchMoved({12, 10});
    EXPECT_EQ(keyboard_.document(), u"123");
    keyboard_.environment().advance(2);
    EXPECT_EQ(keyboard_.document(), u"12");
    backspace.touchUp({12, 10});
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 12");
}

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

TEST_F(KeyboardTest, SliderSnapsStoresLabelsAndReevaluates) {
    load();
    tap({u"2", u"/", u"3"});
    MXSlider& slider = *keyboard_.views().spaceSlider;
    // Value set, snapped value, label offset, shown result.
    const std::tuple<float, float, double, std::u16string_view> cases[] = {
        {3.4f, 3, 1, u" = 0.667"}, {3.5f, 4, 1, u" = 0.6667"}, {9.6f, 10, 2, u" = 0.6666666667"},
        {0, 0, 1, u" = 0.66666666667"}};
    for (const auto& [value, snapped, offset, shown] : cases) {
        slider.setValue(value);
        slider.sendActionsForControlEvents(MXControlEventValueChanged);
        EXPECT_EQ(slider.value(), snapped);
        EXPECT_EQ(store_.integerForKey(KeyboardKeySaveINTMAX), static_cast<int64_t>(snapped));
        EXPECT_EQ(controller().sliderLabel()->text(), MXFromUtf8(std::to_string(static_cast<int>(snapped))));
        EXPECT_EQ(controller().sliderLabel()->transform(), (MXAffineTransform{0.5, 0, 0, 1, 0, offset})) << value;
        EXPECT_EQ(keyboard_.spaceTitle(), shown);
    }
    EXPECT_EQ(controller().sliderLabel()->frame(), slider.thumbView().bounds());
}

}  // namespace
