#include "app/KeyboardPanel.h"

#include <QResizeEvent>

#include <cmath>

#include "app/MXQtView.h"
#include "keyboard/KeyboardViewBuilder.h"

KeyboardPanel::KeyboardPanel(MXInputMethodHost& host, QWidget* parent)
    : QWidget(parent), host_(host), layout_(KeyboardLayout::standard()),
      environment_(std::make_unique<MXQtUIEnvironment>(layout_.images)) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    build(MXUserInterfaceIdiom::Phone);
}

KeyboardPanel::~KeyboardPanel() = default;

QWidget* KeyboardPanel::widgetOf(const MXView& view) {
    const MXQtViewBridge* bridge = MXQtViewBridge::of(&view);
    return bridge ? bridge->widget() : nullptr;
}

int KeyboardPanel::heightForWidth(int width) const {
    const MXSize size = views().inputView->frame().size;
    return static_cast<int>(std::lround(width * size.height / size.width));
}

void KeyboardPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const MXUserInterfaceIdiom idiom = MXQtUIEnvironment::idiomForWidth(width());
    if (idiom != environment_->userInterfaceIdiom()) build(idiom);
    scaleToWidth();
}

void KeyboardPanel::build(MXUserInterfaceIdiom idiom) {
    const std::u16string expression = controller_ ? controller_->resultsLabel().text() : u"";
    controller_.reset();
    environment_->setUserInterfaceIdiom(idiom);
    controller_ = std::make_unique<KeyboardViewController>(host_, *environment_, KeyboardBuildViews(layout_, *environment_));
    QWidget* root = widgetOf(*views().inputView);
    root->setParent(this);
    root->show();
    controller_->viewDidLoad();
    controller_->viewDidAppear(false);
    if (!expression.empty()) controller_->processString(expression);
    scaleToWidth();
}

void KeyboardPanel::scaleToWidth() {
    const MXView& root = *views().inputView;
    if (MXQtViewBridge* bridge = MXQtViewBridge::of(&root)) bridge->setRootScale(width() / root.frame().size.width);
    const int fitting = heightForWidth(width());
    if (minimumHeight() != fitting || maximumHeight() != fitting) setFixedHeight(fitting);
}
