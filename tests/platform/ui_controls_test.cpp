// Headless keys, controls, view trees and the input-method host.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "platform/ui/headless/MXHeadlessButton.h"
#include "platform/ui/headless/MXHeadlessControls.h"
#include "platform/ui/headless/MXHeadlessInputMethodHost.h"

namespace {

struct StateCase {
    bool enabled;
    bool highlighted;
    bool selected;
    MXControlState state;
};

class HeadlessButtonState : public ::testing::TestWithParam<StateCase> {};

TEST_P(HeadlessButtonState, ShowsTheTitleOfTheCurrentState) {
    const StateCase& c = GetParam();
    MXHeadlessButton button(u"normal");
    button.setTitle(u"highlighted", MXControlState::Highlighted);
    button.setTitle(u"disabled", MXControlState::Disabled);
    button.setTitle(u"selected", MXControlState::Selected);
    button.setEnabled(c.enabled);
    button.setHighlighted(c.highlighted);
    button.setSelected(c.selected);
    EXPECT_EQ(button.state(), c.state);
    EXPECT_EQ(button.currentTitle(), button.titleForState(c.state));
}

INSTANTIATE_TEST_SUITE_P(States, HeadlessButtonState,
                         ::testing::Values(StateCase{true, false, false, MXControlState::Normal},
                                           StateCase{true, true, false, MXControlState::Highlighted},
                                           StateCase{true, true, true, MXControlState::Highlighted},
                                           StateCase{true, false, true, MXControlState::Selected},
                                           StateCase{false, true, true, MXControlState::Disabled}));

TEST(HeadlessButton, StatesWithoutTheirOwnEntryShowTheNormalOne) {
    MXHeadlessButton button;
    EXPECT_EQ(button.currentTitle(), u"");
    EXPECT_EQ(button.imageForState(MXControlState::Highlighted), u"");
    button.setTitle(u" = 5", MXControlState::Normal);
    button.setImage(u"shift_0.png", MXControlState::Normal);
    button.setImage(u"shift_0HL.png", MXControlState::Highlighted);
    button.setEnabled(false);
    EXPECT_EQ(button.currentTitle(), u" = 5");
    EXPECT_EQ(button.imageForState(MXControlState::Disabled), u"shift_0.png");
    EXPECT_EQ(button.imageForState(MXControlState::Highlighted), u"shift_0HL.png");
    button.setTitle(u"", MXControlState::Normal);
    EXPECT_EQ(button.currentTitle(), u"");
}

struct SliderCase {
    float minimum;
    float maximum;
    float set;
    float expected;
};

class HeadlessSliderRange : public ::testing::TestWithParam<SliderCase> {};

TEST_P(HeadlessSliderRange, KeepsTheValueInRange) {
    MXHeadlessSlider slider;
    slider.setMaximumValue(GetParam().maximum);
    slider.setMinimumValue(GetParam().minimum);
    slider.setValue(GetParam().set);
    EXPECT_EQ(slider.value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, HeadlessSliderRange,
                         ::testing::Values(SliderCase{0, 13, 7, 7}, SliderCase{0, 13, 13.5f, 13}, SliderCase{0, 13, -1, 0},
                                           SliderCase{2, 13, NAN, 2}, SliderCase{0, 13, INFINITY, 13},
                                           SliderCase{0, 13, -INFINITY, 0}));

TEST(HeadlessSlider, RangeChangesPullTheValueAndTheOtherEnd) {
    MXHeadlessSlider slider;
    slider.setMaximumValue(13);
    slider.setValue(10);
    slider.setMaximumValue(5);
    EXPECT_EQ(slider.value(), 5);
    slider.setMinimumValue(8);
    EXPECT_EQ(slider.maximumValue(), 8);
    EXPECT_EQ(slider.value(), 8);
    slider.setMaximumValue(NAN);
    EXPECT_EQ(slider.maximumValue(), 8);
}

TEST(HeadlessHost, RecordsSoundsPlayedFromOtherThreads) {
    MXHeadlessInputMethodHost host;
    std::vector<std::thread> players;
    for (int i = 0; i < 4; ++i) {
        players.emplace_back([&host] {
            for (int k = 0; k < 100; ++k) {
                host.playSystemSound(1104);
            }
        });
    }
    for (auto& player : players) {
        player.join();
    }
    EXPECT_EQ(host.playedSounds(), std::vector<uint32_t>(400, 1104));
}

}  // namespace
