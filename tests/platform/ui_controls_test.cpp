// Headless keys and controls, and gesture recognizers on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "platform/ui/MXButton.h"
#include "platform/ui/MXGestureRecognizer.h"
#include "platform/ui/headless/MXHeadlessUIEnvironment.h"

namespace {

using State = MXGestureRecognizerState;

TEST(HeadlessButton, ShowsTheTitleAndImageOfTheCurrentStateOrElseTheNormalOnes) {
    // Enabled, highlighted, selected, and the state they make.
    const std::tuple<bool, bool, bool, MXControlState> cases[] = {
        {true, false, false, MXControlState::Normal}, {true, true, true, MXControlState::Highlighted},
        {true, false, true, MXControlState::Selected}, {false, true, true, MXControlState::Disabled}};
    const MXImage shift{u"shift_0.png", {26, 26}, 2, std::nullopt};
    const MXImage shiftHighlighted{u"shift_0HL.png", {26, 26}, 2, std::nullopt};
    for (const auto& [enabled, highlighted, selected, state] : cases) {
        MXButton button(u"normal");
        button.setTitle(u"highlighted", MXControlState::Highlighted);
        button.setImage(shift, MXControlState::Normal);
        button.setImage(shiftHighlighted, MXControlState::Highlighted);
        button.setEnabled(enabled);
        button.setHighlighted(highlighted);
        button.setSelected(selected);
        EXPECT_EQ(button.state(), state);
        const bool own = state == MXControlState::Highlighted;
        EXPECT_EQ(button.currentTitle(), own ? u"highlighted" : u"normal");
        EXPECT_EQ(button.imageForState(state), own ? shiftHighlighted : shift);
    }
    MXButton button;
    EXPECT_EQ(button.currentTitle(), u"");
    button.setImage(shift, MXControlState::Highlighted);
    button.setImage(std::nullopt, MXControlState::Highlighted);
    EXPECT_EQ(button.imageForState(MXControlState::Highlighted), std::nullopt);
}

// A 40 by 40 key with recognizers, recording what ran.
class Gestures : public testing::Test {
protected:
    Gestures() {
        key_->setFrame({{0, 0}, {40, 40}});
        key_->addAction(MXControlEventTouchUpInside, [this](MXControl&) { log_ += "key "; });
    }
    template <class Recognizer, class... Arguments>
    void add(const std::string& name, Arguments... arguments) {
        key_->addGestureRecognizer(std::make_shared<Recognizer>(
            environment_,
            [this, name](MXGestureRecognizer& recognizer) {
                log_ += name + (recognizer.state() == State::Began     ? ":began "
                                : recognizer.state() == State::Changed ? ":changed "
                                                                       : ":ended ");
            },
            arguments...));
    }
    void tap(double pauseAfter) {
        key_->touchDown({20, 20});
        key_->touchUp({20, 20});
        environment_.advance(pauseAfter);
    }

    MXHeadlessUIEnvironment environment_;
    std::shared_ptr<MXButton> key_ = std::make_shared<MXButton>(u"⇧");
    std::string log_;
};

TEST_F(Gestures, TapRecognizersCountQuickTapsAndTakeTheTouchThatCompletesThem) {
    add<MXTapGestureRecognizer>("double", 2);
    add<MXTapGestureRecognizer>("triple", 3);
    for (int i = 0; i < 3; ++i) tap(0.1);
    EXPECT_EQ(log_, "key double:ended triple:ended ");
    environment_.advance(1);
    log_.clear();
    tap(0.5);
    tap(0.5);
    EXPECT_EQ(log_, "key key ");
}

TEST_F(Gestures, LongPressBeginsAfterItsDurationAndTakesTheLift) {
    add<MXLongPressGestureRecognizer>("press", 0.4);
    key_->touchDown({20, 20});
    environment_.advance(0.39);
    EXPECT_EQ(log_, "");
    environment_.advance(0.02);
    key_->touchMoved({25, 20});
    key_->touchUp({25, 20});
    EXPECT_EQ(log_, "press:began press:changed press:ended ");
    log_.clear();
    key_->touchDown({20, 20});
    key_->touchMoved({35, 20});
    environment_.advance(1);
    key_->touchUp({35, 20});
    EXPECT_EQ(log_, "key ");
    log_.clear();
    key_->touchDown({20, 20});
    key_->touchUp({60, 20});
    EXPECT_EQ(log_, "") << "lifted outside the key";
    key_->setEnabled(false);
    tap(1);
    EXPECT_EQ(log_, "");
}

}  // namespace
