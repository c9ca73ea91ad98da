#pragma once
// The calculator keyboard as a widget: the layout's views built with Qt-backed views, the
// controller over them, loaded and shown as the platform would (viewDidLoad, then
// viewDidAppear), scaled to the panel's width. The phone form serves widths below
// MXQtUIEnvironment::kPadWidth, the tablet form wider ones; crossing that width builds the
// keyboard again in the other form and keeps the expression typed so far.
#include <QWidget>

#include <memory>

#include "app/MXQtUIEnvironment.h"
#include "keyboard/KeyboardLayout.h"
#include "keyboard/KeyboardViewController.h"
#include "platform/ui/MXInputMethodHost.h"

class KeyboardPanel : public QWidget {
public:
    KeyboardPanel(MXInputMethodHost& host, QWidget* parent = nullptr);
    ~KeyboardPanel() override;

    KeyboardViewController& controller() const { return *controller_; }
    const KeyboardViews& views() const { return controller_->views(); }
    MXQtUIEnvironment& environment() { return *environment_; }

    // The widget that shows the view.
    static QWidget* widgetOf(const MXView& view);
    // The height the keyboard takes at a width, keeping its proportions.
    int heightForWidth(int width) const override;
    bool hasHeightForWidth() const override { return true; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void build(MXUserInterfaceIdiom idiom);
    void scaleToWidth();

    MXInputMethodHost& host_;
    const KeyboardLayout& layout_;
    std::unique_ptr<MXQtUIEnvironment> environment_;
    std::unique_ptr<KeyboardViewController> controller_;
};
