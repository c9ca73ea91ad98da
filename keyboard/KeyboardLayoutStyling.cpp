// The layout pass and the look of the space key: the expression view in front with the
// small switch and slider over it, moved and scaled once.
#include "keyboard/KeyboardViewController.h"

namespace {

constexpr int64_t kLaidOutTag = 5050;
constexpr double kExpressionFontSize = 10;
constexpr double kExpressionInset = 6;

void bringToFront(MXView* view) {
    if (view && view->superview()) view->superview()->bringSubviewToFront(*view);
}

}  // namespace

void KeyboardViewController::styleSpaceKey() {
    MXLayerStyle layer = spaceButton().layer();
    layer.cornerRadius = 20;
    layer.borderWidth = 2;
    layer.borderColor = MXColor::colorWithWhite(0.8, 0.25);
    layer.masksToBounds = true;
    spaceButton().setLayer(layer);
}

void KeyboardViewController::updateConstraints() {
    MXTextView& expression = resultsLabel();
    const bool phone = environment_.userInterfaceIdiom() == MXUserInterfaceIdiom::Phone;
    bringToFront(&expression);
    expression.setBackgroundColor(MXColor::clearColor());
    spaceButton().setBackgroundColor(MXColor::clearColor());
    MXSwitch* control = views_.spaceSwitch.get();
    MXSlider* slider = views_.spaceSlider.get();
    bringToFront(control);
    if (slider && control && control->superview()) control->superview()->bringSubviewToFront(*slider);
    if (phone) expression.setFont(expression.font().withSize(kExpressionFontSize));
    expression.setTextColor(MXColor::whiteColor());

    if (control && control->tag() == 0) {
        if (phone) {
            control->setTransform(MXAffineTransform::translation(14, -22).concat(MXAffineTransform::scale(0.5, 0.5)));
            if (slider) slider->setTransform(MXAffineTransform::translation(4, 10).concat(MXAffineTransform::scale(0.95, 0.5)));
        } else if (slider) {
            slider->setTransform(MXAffineTransform::translation(5, 5).concat(MXAffineTransform::scale(0.95, 0.75)));
        }
    }
    const double switchWidth = control ? control->transformedFrame().size.width : 0;
    expression.setTextContainerInset({kExpressionInset, kExpressionInset, kExpressionInset, switchWidth + kExpressionInset});
    expression.setContentOffset({0, expression.contentSize().height - expression.frame().size.height});
    expression.setTransform(MXAffineTransform::translation(0, 4));
    if (control) control->setTag(kLaidOutTag);
}

MXImage KeyboardViewController::imageWithImage(const MXImage& image, MXSize size) const {
    MXImage scaled = image;
    scaled.size = size;
    scaled.scale = environment_.screenScale() == 2 ? 2 : 1;
    return scaled;
}
