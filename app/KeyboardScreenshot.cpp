#include "app/KeyboardScreenshot.h"

#include <QCoreApplication>
#include <QPixmap>

#include "app/KeyboardPanel.h"
#include "app/KeyboardWindow.h"
#include "keyboard/KeyboardKeyLookup.h"

namespace {

// Longer than every gesture's wait, as mxcalc --keyboard --keys pauses.
constexpr double kPauseBetweenKeys = 1.0;

MXPoint centreOf(const MXView& view) { return {view.frame().size.width / 2, view.frame().size.height / 2}; }

}  // namespace

QString KeyboardTapKeys(KeyboardWindow& window, const QString& keys) {
    const std::u16string input = keys.toStdU16String();
    for (const std::u16string_view name : KeyboardKeyNames(input)) {
        MXButton* key = KeyboardKeyNamed(window.keyboard().views(), name);
        if (!key) return QStringLiteral("no key \"%1\" on the keyboard").arg(QString::fromUtf16(name.data(), name.size()));
        key->touchDown(centreOf(*key));
        key->touchUp(centreOf(*key));
        window.keyboard().environment().advance(kPauseBetweenKeys);
        QCoreApplication::processEvents();
    }
    return {};
}

QString KeyboardWriteScreenshot(KeyboardWindow& window, const QString& path) {
    QCoreApplication::processEvents();
    if (!window.grab().save(path, "PNG")) return QStringLiteral("cannot write %1").arg(path);
    return {};
}
