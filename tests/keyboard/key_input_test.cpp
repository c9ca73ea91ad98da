// Keys tapped on the loaded keyboard: the text each inserts in degree and radian mode, the
// shift key, the mode keys, held backspace, the globe key, the precision slider.
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
    {{u"sin", u"3", u"0"}, u"sind(30", u" = 0.5"},
    {{u"shiftButton", u"sin", u"0"}, u"sin(0", u" = 0"},
    {{u"asin", u"1"}, u"rtod(asin(1", u" = 90"},
    {{u"shiftButton", u"asin", u"1"}, u"asin(1", u" = 1.57079632679"},
    {{u"shiftButton", u"shiftButton", u"cos", u"6", u"0"}, u"cosd(60", u" = 0.5"},
    {{u"2", u"+", u"3", u"-", u"1"}, u"2 + 3 - 1", u" = 4"},
    {{u"1/x", u"4"}, u"1/4", u" = 0.25"},
    {{u"2", u"xʸ", u"1", u"0", u"+", u"4", u"x!"}, u"2^10 + 4!", u" = 1,048"},
    {{u"8", u"ʸ√x", u"3", u")", u"*", u"1", u"EE", u"3"}, u"8^(1/3)*1E3", u" = 2,000"},
    {{u"eˣ", u"0", u")", u"+", u"ln", u"1", u")", u"+", u"log", u"1", u"0", u"0"}, u"e^(0) + ln(1) + log(100", u" = 3"},
    {{u"1", u"2", u"backSpaceButton", u"5"}, u"15", u" = 15"},
    {{u"2", u"+", u"3", u"spaceButton", u"returnButton"}, u"2 + 3 = 5", u""},
    {{u"9", u"returnButton"}, u"9 = 9\n", u""},
};
INSTANTIATE_TEST_SUITE_P(Keys, KeyboardKeys, testing::ValuesIn(kKeysCases));

TEST_F(KeyboardTest, WithTypingOffKeysAndBackspaceEditOnlyTheExpression) {
    ASSERT_TRUE(store_.setInteger(0, KeyboardKeySaveCanType));
    load();
    keyboard_.host().textDocumentProxy().setDocument(u"kept");
    tap({u"4", u"5", u"backSpaceButton", u"*", u"2"});
    EXPECT_EQ(keyboard_.document(), u"kept");
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"4*2");
    keyboard_.views().spaceSwitch->setOn(true);
    keyboard_.views().spaceSwitch->sendActionsForControlEvents(MXControlEventValueChanged);
    EXPECT_EQ(store_.integerForKey(KeyboardKeySaveCanType), 1);
    tap({u"spaceButton"});
    EXPECT_EQ(keyboard_.document(), u"kept = 8");
}

TEST_F(KeyboardTest, ShiftTogglesRadiansWithItsImagesAndClicks) {
    load();
    MXButton& shift = *keyboard_.views().shiftButton;
    // Shift status after each tap, and its images.
    for (const int status : {1, 0, 1}) {
        tap({u"shiftButton"});
        EXPECT_EQ(controller().shiftStatus(), status);
        EXPECT_EQ(controller().isRAD(), status == 1);
        const std::u16string digit = status ? u"1" : u"0";
        EXPECT_EQ(shift.imageForState(MXControlState::Normal)->name, u"shift_" + digit + u".png");
        EXPECT_EQ(shift.imageForState(MXControlState::Highlighted)->name, u"shift_" + digit + u"HL.png");
    }
    EXPECT_EQ(keyboard_.host().playedSounds(), std::vector<uint32_t>(3, kKeyClick));
}

TEST_F(KeyboardTest, ModeKeysShowTheirRowsAndRetagTheModeKeys) {
    load();
    const KeyboardViews& views = keyboard_.views();
    struct Step {
        std::u16string_view key;
        std::vector<const MXView*> shown;
        int64_t row3Tag;
        bool row3Enabled;
        std::u16string_view row3Image;
        int64_t row4Tag;
        std::u16string_view row4Image;
    };
    const Step steps[] = {
        {u"switchModeRow4Button", {views.numbersRow1View.get(), views.numbersRow2View.get(), views.numbersSymbolsRow3View.get()},
         2, false, u"symbols.png", 0, u"abc.png"},
        {u"f(x)", {views.symbolsRow1View.get(), views.symbolsRow2View.get(), views.numbersSymbolsRow3View.get()},
         1, true, u"shift_2.png", 0, u"abc.png"},
        {u"switchModeRow3Button", {views.numbersRow1View.get(), views.numbersRow2View.get(), views.numbersSymbolsRow3View.get()},
         2, false, u"symbols.png", 0, u"abc.png"},
        {u"switchModeRow4Button", {}, 2, true, u"symbols.png", 1, u"shift_2.png"},
    };
    for (const Step& step : steps) {
        tap({step.key});
        for (const MXView* row : {views.numbersRow1View.get(), views.numbersRow2View.get(), views.symbolsRow1View.get(),
                                  views.symbolsRow2View.get(), views.numbersSymbolsRow3View.get()}) {
            const bool shown = std::find(step.shown.begin(), step.shown.end(), row) != step.shown.end();
            EXPECT_EQ(row->isHidden(), !shown) << MXToUtf8(std::u16string(step.key));
        }
        EXPECT_EQ(views.switchModeRow3Button->tag(), step.row3Tag);
        EXPECT_EQ(views.switchModeRow3Button->isEnabled(), step.row3Enabled);
        EXPECT_EQ(views.switchModeRow3Button->imageForState(MXControlState::Normal)->name, step.row3Image);
        EXPECT_EQ(views.switchModeRow4Button->tag(), step.row4Tag);
        EXPECT_EQ(views.switchModeRow4Button->imageForState(MXControlState::Highlighted)->name.substr(0, 3),
                  step.row4Image.substr(0, 3));
    }
    EXPECT_TRUE(keyboard_.host().playedSounds().empty());
}

TEST_F(KeyboardTest, HeldBackspaceRepeatsUntilMovedOrLifted) {
    load();
    tap({u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"});
    MXButton& backspace = *keyboard_.views().backSpaceButton;
    MXHeadlessUIEnvironment& clock = keyboard_.environment();
    auto remaining = [this] { return keyboard_.document().size(); };
    backspace.touchDown({10, 10});
    clock.advance(0.39);
    EXPECT_EQ(remaining(), 9u);
    clock.advance(0.02);
    EXPECT_EQ(remaining(), 8u);
    clock.advance(0.5);
    EXPECT_EQ(remaining(), 6u);
    backspace.touchUp({10, 10});
    clock.advance(2);
    EXPECT_EQ(remaining(), 6u) << "lifting stops at once";
    EXPECT_EQ(keyboard_.resultsLabel().text(), u"123456");

    backspace.touchDown({10, 10});
    clock.advance(0.41);
    EXPECT_EQ(remaining(), 5u);
    backspace.touchMoved({12, 10});
    EXPECT_EQ(remaining(), 4u);
    clock.advance(2);
    EXPECT_EQ(remaining(), 3u) << "moving stops after the pending deletion";
    backspace.touchUp({12, 10});
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 123");
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
        {3.4f, 3, 1, u" = 0.667"}, {3.5f, 4, 1, u" = 0.6667"}, {9.2f, 9, 1, u" = 0.666666667"},
        {9.6f, 10, 2, u" = 0.6666666667"}, {13, 13, 2, u" = 0.6666666666667"}, {0, 0, 1, u" = 0.66666666667"}};
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

TEST_F(KeyboardTest, HighlightedKeysGetTheKeyboardsLook) {
    load();
    MXButton& key = *keyboard_.key(u"q");
    key.touchDown({5, 5});
    EXPECT_TRUE(key.isHighlighted());
    EXPECT_TRUE(key.showsTouchWhenHighlighted());
    EXPECT_EQ(key.titleColorForState(MXControlState::Highlighted), MXColor::lightGrayColor());
    EXPECT_EQ(key.backgroundImageForState(MXControlState::Highlighted)->fill, MXColor::darkGrayColor());
    key.touchUp({5, 5});
    EXPECT_FALSE(key.isHighlighted());
    EXPECT_EQ(controller().imageWithImage(*key.backgroundImageForState(MXControlState::Highlighted), {4, 3}).scale, 2);
}

}  // namespace
