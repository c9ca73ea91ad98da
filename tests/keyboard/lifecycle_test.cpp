// Loading and showing the keyboard: stored settings, and layouts that lack controls.
#include "tests/support/keyboard_fixture.h"

namespace {

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
