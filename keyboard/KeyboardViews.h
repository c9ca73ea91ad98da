#pragma once
// The views of the keyboard's layout that the controller works with. Any of them may be
// missing (a layout without a slider, say): the operations skip what is missing.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/MXButton.h"
#include "platform/ui/MXSlider.h"
#include "platform/ui/MXSwitch.h"
#include "platform/ui/MXTextView.h"

// A key and the name of the controller operation it runs when tapped.
struct KeyboardKeyAction {
    std::shared_ptr<MXButton> key;
    std::string action;
};

struct KeyboardViews {
    // The expression typed so far (not the result, despite the name).
    std::shared_ptr<MXTextView> resultsLabel;
    // Its title is the result display.
    std::shared_ptr<MXButton> spaceButton;
    // The keyboard's input view: every other view is below it.
    std::shared_ptr<MXView> inputView;
    std::shared_ptr<MXView> numbersRow1View;
    std::shared_ptr<MXView> numbersRow2View;
    std::shared_ptr<MXView> symbolsRow1View;
    std::shared_ptr<MXView> symbolsRow2View;
    std::shared_ptr<MXView> numbersSymbolsRow3View;
    std::vector<std::shared_ptr<MXButton>> letterButtonsArray;
    std::shared_ptr<MXButton> switchModeRow3Button;
    std::shared_ptr<MXButton> switchModeRow4Button;
    std::shared_ptr<MXButton> shiftButton;
    std::shared_ptr<MXButton> globeButton;
    std::shared_ptr<MXButton> backSpaceButton;
    std::shared_ptr<MXButton> returnButton;
    std::shared_ptr<MXSwitch> spaceSwitch;
    std::shared_ptr<MXSlider> spaceSlider;
    // Every key of the layout with its action, in layout order.
    std::vector<KeyboardKeyAction> keys;
};
