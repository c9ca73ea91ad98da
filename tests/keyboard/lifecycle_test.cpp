// Loading and showing the keyboard: stored settings, the load counter, the layout pass and
// the key styling, on a phone and on a tablet.
#include "tests/support/keyboard_fixture.h"

namespace {

TEST_F(KeyboardTest, FirstStartWithEmptyStoresTypesIntoTheHostAndStoresTheSliderPrecision) {
    load();
    EXPECT_TRUE(controller().canType());
    EXPECT_TRUE(keyboard_.views().spaceSwitch->isOn());
    EXPECT_EQ(store_.integerForKey(KeyboardKeySaveINTMAX), 11);
    EXPECT_EQ(store_.integerForKey(KeyboardKeySaveCanType), 1);
    EXPECT_EQ(sharedStore().integerForKey(KeyboardKeyKeyboardInstall), 1);
    ASSERT_NE(controller().sliderLabel(), nullptr);
    EXPECT_EQ(controller().sliderLabel()->text(), u"11");
    EXPECT_EQ(keyboard_.views().spaceSlider->thumbImageForState(MXControlState::Normal)->name, u"slide.png");
    EXPECT_FALSE(controller().isRAD());
}

// With typing into the host off, keys and backspace edit only the expression until the
// switch turns it on.
TEST_F(KeyboardTest, StoredSettingsApplyOnLoad) {
    ASSERT_TRUE(store_.setInteger(0, KeyboardKeySaveCanType));
    setPrecision(7);
    load();
    EXPECT_FALSE(controller().canType());
    EXPECT_FALSE(keyboard_.views().spaceSwitch->isOn());
    EXPECT_EQ(keyboard_.views().spaceSlider->value(), 7);
    keyboard_.host().textDocumentProxy().setDocument(u"kept");
    tap({u"2", u"/", u"5", u"backSpaceButton", u"3"});
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 0.6666667");
    EXPECT_EQ(keyboard_.document(), u"kept");
    keyboard_.views().spaceSwitch->setOn(true);
    keyboard_.views().spaceSwitch->sendActionsForControlEvents(MXControlEventValueChanged);
    EXPECT_EQ(store_.integerForKey(KeyboardKeySaveCanType), 1);
    tap({u"spaceButton"});
    EXPECT_EQ(keyboard_.document(), u"kept = 0.6666667");
}

TEST_F(KeyboardTest, TheLoadCounterCountsTo999) {
    // Stored before the load, stored after it.
    const std::pair<int64_t, int64_t> cases[] = {{998, 999}, {999, 999}, {-5, 6}, {2147483648, 999}};
    for (const auto& [before, after] : cases) {
        ASSERT_TRUE(sharedStore().setInteger(before, KeyboardKeyKeyboardInstall));
        KeyboardHeadless keyboard(store_);
        keyboard.controller().viewDidLoad();
        EXPECT_EQ(sharedStore().integerForKey(KeyboardKeyKeyboardInstall), after) << before;
    }
}

TEST_F(KeyboardTest, PhoneLayoutPassMovesTheSwitchAndSliderOnce) {
    load();
    const KeyboardViews& views = keyboard_.views();
    const MXAffineTransform switchMoved{0.5, 0, 0, 0.5, 7, -11};
    const MXAffineTransform sliderMoved{0.95, 0, 0, 0.5, 3.8, 5};
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(views.spaceSwitch->transform(), switchMoved);
        EXPECT_EQ(views.spaceSlider->transform(), sliderMoved);
        EXPECT_EQ(views.spaceSwitch->tag(), 5050);
        controller().updateConstraints();
    }
    EXPECT_EQ(keyboard_.resultsLabel().textContainerInset(), (MXEdgeInsets{6, 6, 6, 51 * 0.5 + 6}));
    EXPECT_EQ(views.inputView->subviews().back(), views.spaceSlider);
    EXPECT_EQ(keyboard_.spaceButton().layer(), (MXLayerStyle{20, 2, MXColor::colorWithWhite(0.8, 0.25), true}));
}

TEST_F(KeyboardTest, TheDecimalPointKeyShowsTheLocalesSeparatorAndTypesIt) {
    setLocale(u"de_DE");
    load();
    EXPECT_EQ(keyboard_.key(u"."), nullptr);
    tap({u"1", u",", u"5", u"*", u"2"});
    EXPECT_EQ(keyboard_.document(), u"1,5*2");
    EXPECT_EQ(keyboard_.spaceTitle(), u" = 3");
}

TEST(KeyboardLayout, LayoutsWithoutControlsOrWithUnknownNamesStillWork) {
    const KeyboardLayout bare = KeyboardLayout::fromJSON(R"({
        "images": {}, "slider": {"minimum": 0, "maximum": 0, "value": 0}, "switch": {"on": false},
        "geometry": {"phone": {"width": 100, "expressionHeight": 10, "rowHeight": 10, "spacing": 1,
                               "switchSize": [5, 5], "sliderHeight": 5, "keyFont": ["Sans", 9], "expressionFont": ["Sans", 9]},
                     "pad": {"width": 100, "expressionHeight": 10, "rowHeight": 10, "spacing": 1,
                             "switchSize": [5, 5], "sliderHeight": 5, "keyFont": ["Sans", 9], "expressionFont": ["Sans", 9]}},
        "rows": [{"outlet": "noSuchRow", "slot": 1, "keys": ["7", {"title": "x", "outlet": "noSuchKey", "action": "noSuchAction"},
                  {"outlet": "switchModeRow3Button", "action": "switchKeyboardMode", "tag": 1, "image": "missing.png"}]}]})");
    const TemporaryFolder folder;
    KeyboardHeadless keyboard(MXUserDefaults().inDirectory(folder.path()), MXUserInterfaceIdiom::Phone, bare);
    keyboard.controller().viewDidLoad();
    keyboard.controller().viewDidAppear(false);
    for (std::u16string_view title : {u"7", u"x", u"switchModeRow3Button"}) keyboard.tap(*keyboard.key(title));
    keyboard.controller().shiftKeyPressed();
    keyboard.controller().updateConstraints();
    EXPECT_EQ(keyboard.document(), u"7");
    EXPECT_EQ(keyboard.spaceTitle(), u" = 7");
    EXPECT_THROW(KeyboardLayout::fromJSON("{\"rows\": ["), std::invalid_argument);
    EXPECT_THROW(KeyboardLayout::fromJSON("{}"), std::invalid_argument);
}

}  // namespace
