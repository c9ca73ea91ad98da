#include "keyboard/KeyboardViewHelpers.h"

#include <algorithm>
#include <memory>

#include "platform/ui/MXLabel.h"

namespace {

constexpr double kPhoneKeyFontSize = 16;
constexpr double kPhoneInverseKeyFontSize = 14;

bool isInverseTrigonometryKey(const std::u16string& title) {
    return title == u"asin" || title == u"acos" || title == u"atan";
}

void styleKey(MXButton& button, MXUserInterfaceIdiom idiom, const std::u16string& decimalSeparator) {
    const std::u16string title = button.currentTitle();
    if (idiom == MXUserInterfaceIdiom::Phone) {
        const double size = isInverseTrigonometryKey(title) ? kPhoneInverseKeyFontSize : kPhoneKeyFontSize;
        button.setTitleFont(button.titleFont().withSize(size));
    }
    if (title == u".") button.setTitle(decimalSeparator, MXControlState::Normal);
    HelperView::setBorderForButton(button, 0);
}

}  // namespace

void HelperView::forEachUIButtonDoBlock(MXView& view, MXUserInterfaceIdiom idiom,
                                        const std::u16string& decimalSeparator,
                                        const std::function<void(MXButton&)>& block) {
    for (const std::shared_ptr<MXView>& subview : view.subviews()) {
        if (auto* button = dynamic_cast<MXButton*>(subview.get())) {
            styleKey(*button, idiom, decimalSeparator);
            block(*button);
        } else if (dynamic_cast<MXLabel*>(subview.get()) == nullptr) {
            forEachUIButtonDoBlock(*subview, idiom, decimalSeparator, block);
        }
    }
}

void HelperView::setBorderForButton(MXButton& button, int64_t setting) {
    if (static_cast<int32_t>(setting) == 0) return;
    MXLayerStyle layer = button.layer();
    const MXSize size = button.frame().size;
    layer.cornerRadius = 0.25 * std::min(size.width, size.height);
    layer.borderWidth = 2;
    layer.borderColor = MXColor::colorWithWhite(0.01, 0.01);
    layer.masksToBounds = true;
    button.setLayer(layer);
}

void HelperButton::setHighlighted(MXButton& button, bool highlighted) {
    button.setShowsTouchWhenHighlighted(highlighted);
    button.setTitleColor(MXColor::lightGrayColor(), MXControlState::Highlighted);
    button.setBackgroundImage(imageFromColor(MXColor::darkGrayColor()), MXControlState::Highlighted);
    button.applyHighlighted(highlighted);
    button.setSelected(false);
}

MXImage HelperButton::imageFromColor(const MXColor& color) { return MXImage{u"", {1, 1}, 1, color}; }
