#include "keyboard/KeyboardViewBuilder.h"

#include <map>

namespace {

const MXColor kKeyboardBackground = MXColor::colorWithWhite(0.08, 1);
const MXColor kKeyBackground = MXColor::colorWithWhite(0.22, 1);
const MXColor kSpecialKeyBackground = MXColor::colorWithWhite(0.15, 1);

class ViewBuilder {
public:
    ViewBuilder(const KeyboardLayout& layout, MXUIEnvironment& environment)
        : layout_(layout), factory_(environment.viewFactory()), environment_(environment),
          geometry_(layout.geometry(environment.userInterfaceIdiom())), unit_(geometry_.width / 10) {}

    KeyboardViews build() {
        views_.inputView = factory_.makeView();
        const double height = geometry_.expressionHeight + geometry_.rowHeight * layout_.rowCount();
        views_.inputView->setFrame({{0, 0}, {geometry_.width, height}});
        views_.inputView->setBackgroundColor(kKeyboardBackground);
        addExpressionView();
        for (const KeyboardLayoutRow& row : layout_.rows) addRow(row);
        return std::move(views_);
    }

private:
    void addExpressionView() {
        auto expression = factory_.makeTextView();
        expression->setFrame({{0, 0}, {geometry_.width, geometry_.expressionHeight}});
        expression->setFont(geometry_.expressionFont);
        expression->setAccessibilityLabel(u"expression");
        views_.resultsLabel = expression;
        views_.inputView->addSubview(expression);

        const MXSize switchSize = geometry_.switchSize;
        auto spaceSwitch = factory_.makeSwitch();
        spaceSwitch->setFrame({{geometry_.width - switchSize.width - geometry_.spacing, geometry_.spacing}, switchSize});
        spaceSwitch->setOn(layout_.switchOn);
        spaceSwitch->setAccessibilityLabel(u"type into the document");
        views_.spaceSwitch = spaceSwitch;
        views_.inputView->addSubview(spaceSwitch);

        auto slider = factory_.makeSlider();
        slider->setMaximumValue(layout_.sliderMaximum);
        slider->setMinimumValue(layout_.sliderMinimum);
        slider->setValue(layout_.sliderValue);
        const double sliderWidth = geometry_.width - switchSize.width - 3 * geometry_.spacing;
        slider->setFrame({{geometry_.spacing, geometry_.expressionHeight - geometry_.sliderHeight},
                          {sliderWidth, geometry_.sliderHeight}});
        slider->setAccessibilityLabel(u"fraction digits");
        views_.spaceSlider = slider;
        views_.inputView->addSubview(slider);
    }

    void addRow(const KeyboardLayoutRow& row) {
        auto rowView = factory_.makeView();
        double width = 0;
        for (const KeyboardLayoutKey& key : row.keys) width += key.width;
        const double top = geometry_.expressionHeight + geometry_.rowHeight * (row.slot - 1);
        rowView->setFrame({{row.offset * unit_, top}, {width * unit_, geometry_.rowHeight}});
        rowView->setHidden(row.hidden);
        if (!row.outlet.empty()) rowView->setBackgroundColor(kKeyboardBackground);
        double left = 0;
        for (const KeyboardLayoutKey& key : row.keys) {
            auto button = makeKey(key, left);
            left += key.width;
            rowView->addSubview(button);
            if (row.letters && key.outlet.empty()) views_.letterButtonsArray.push_back(button);
        }
        if (auto* outlet = rowOutlet(row.outlet)) *outlet = rowView;
        views_.inputView->addSubview(rowView);
    }

    std::shared_ptr<MXButton> makeKey(const KeyboardLayoutKey& key, double left) {
        auto button = factory_.makeButton();
        const double gap = geometry_.spacing / 2;
        button->setFrame({{left * unit_ + gap, gap}, {key.width * unit_ - geometry_.spacing, geometry_.rowHeight - geometry_.spacing}});
        button->setTitle(key.title, MXControlState::Normal);
        button->setTitleColor(MXColor::whiteColor(), MXControlState::Normal);
        button->setTitleFont(geometry_.keyFont);
        button->setTag(key.tag);
        button->setBackgroundColor(key.action == "keyPressed" ? kKeyBackground : kSpecialKeyBackground);
        if (!key.image.empty()) button->setImage(environment_.imageNamed(key.image), MXControlState::Normal);
        button->setAccessibilityLabel(key.accessibleName.empty() ? key.title : key.accessibleName);
        if (auto* outlet = keyOutlet(key.outlet)) *outlet = button;
        views_.keys.push_back({button, key.action});
        return button;
    }

    // Nothing for a name the controller does not know.
    std::shared_ptr<MXView>* rowOutlet(const std::u16string& name) {
        const std::map<std::u16string, std::shared_ptr<MXView>*> outlets = {
            {u"numbersRow1View", &views_.numbersRow1View}, {u"numbersRow2View", &views_.numbersRow2View},
            {u"symbolsRow1View", &views_.symbolsRow1View}, {u"symbolsRow2View", &views_.symbolsRow2View},
            {u"numbersSymbolsRow3View", &views_.numbersSymbolsRow3View}};
        const auto found = outlets.find(name);
        return found == outlets.end() ? nullptr : found->second;
    }

    std::shared_ptr<MXButton>* keyOutlet(const std::u16string& name) {
        const std::map<std::u16string, std::shared_ptr<MXButton>*> outlets = {
            {u"spaceButton", &views_.spaceButton},       {u"shiftButton", &views_.shiftButton},
            {u"globeButton", &views_.globeButton},       {u"backSpaceButton", &views_.backSpaceButton},
            {u"returnButton", &views_.returnButton},     {u"switchModeRow3Button", &views_.switchModeRow3Button},
            {u"switchModeRow4Button", &views_.switchModeRow4Button}};
        const auto found = outlets.find(name);
        return found == outlets.end() ? nullptr : found->second;
    }

    const KeyboardLayout& layout_;
    MXViewFactory& factory_;
    const MXUIEnvironment& environment_;
    const KeyboardLayoutGeometry& geometry_;
    double unit_;
    KeyboardViews views_;
};

}  // namespace

KeyboardViews KeyboardBuildViews(const KeyboardLayout& layout, MXUIEnvironment& environment) {
    return ViewBuilder(layout, environment).build();
}
