// Headless keys, controls, view trees and the input-method host.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <tuple>

#include "platform/ui/headless/MXHeadlessButton.h"
#include "platform/ui/headless/MXHeadlessControls.h"
#include "platform/ui/headless/MXHeadlessInputMethodHost.h"

namespace {

TEST(HeadlessButton, ShowsTheTitleOfTheCurrentState) {
    // Enabled, highlighted, selected, and the state they make.
    const std::tuple<bool, bool, bool, MXControlState> cases[] = {
        {true, false, false, MXControlState::Normal},      {true, true, false, MXControlState::Highlighted},
        {true, true, true, MXControlState::Highlighted},   {true, false, true, MXControlState::Selected},
        {false, true, true, MXControlState::Disabled}};
    for (const auto& [enabled, highlighted, selected, state] : cases) {
        MXHeadlessButton button(u"normal");
        button.setTitle(u"highlighted", MXControlState::Highlighted);
        button.setTitle(u"disabled", MXControlState::Disabled);
        button.setTitle(u"selected", MXControlState::Selected);
        button.setEnabled(enabled);
        button.setHighlighted(highlighted);
        button.setSelected(selected);
        EXPECT_EQ(button.state(), state);
        EXPECT_EQ(button.currentTitle(), button.titleForState(state));
    }
}

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

TEST(HeadlessSlider, KeepsTheValueInRange) {
    // Minimum, maximum, the value set and the value kept.
    const std::tuple<float, float, float, float> cases[] = {
        {0, 13, 7, 7}, {0, 13, 13.5f, 13}, {0, 13, -1, 0}, {2, 13, NAN, 2}, {0, 13, INFINITY, 13},
        {0, 13, -INFINITY, 0}};
    for (const auto& [minimum, maximum, set, expected] : cases) {
        MXHeadlessSlider slider;
        slider.setMaximumValue(maximum);
        slider.setMinimumValue(minimum);
        slider.setValue(set);
        EXPECT_EQ(slider.value(), expected) << set;
    }
}

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
