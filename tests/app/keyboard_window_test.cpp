// The desktop keyboard end to end, on real widgets of the offscreen platform: mouse clicks
// on the key widgets (only shown ones can be clicked, so the mode keys' rows are checked on
// the way) and keys of the computer's keyboard against the host document and the space key's
// title, gestures, the switch and the slider against the settings stores, and the document's
// file.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <memory>

#include "app/KeyboardPanel.h"
#include "app/KeyboardScreenshot.h"
#include "app/KeyboardWindow.h"
#include "keyboard/KeyboardKeyLookup.h"
#include "keyboard/KeyboardSettingsKeys.h"
#include "platform/settings/MXSettingsDirectory.h"
#include "platform/settings/MXUserDefaults.h"

namespace {

// Between two taps: longer than every gesture's wait.
constexpr double kPause = 1.0;

QString title(const MXButton& key) { return QString::fromStdU16String(key.titleForState(MXControlState::Normal)); }

// The current row's value in a column of a data-driven test.
template <class Value>
Value fetched(const char* column) {
    return *static_cast<Value*>(QTest::qData(column, qMetaTypeId<Value>()));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class KeyboardWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<KeyboardWindow> window_;

    KeyboardPanel& keyboard() { return window_->keyboard(); }
    QString document() { return window_->document().toPlainText(); }
    QString spaceTitle() { return title(*keyboard().views().spaceButton); }
    QString filePath() { return folder_->filePath(QStringLiteral("document.txt")); }

    void open(std::optional<QString> path = std::nullopt) {
        window_ = std::make_unique<KeyboardWindow>(path, true);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    // A click on the key's widget; without a pause, clicks make gestures.
    void click(const MXView& key, double pause = kPause) {
        QWidget* widget = KeyboardPanel::widgetOf(key);
        QVERIFY(widget && widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        keyboard().environment().advance(pause);
    }

    void clickKeys(const QString& names) {
        const std::u16string input = names.toStdU16String();
        for (const std::u16string_view name : KeyboardKeyNames(input)) {
            const MXButton* key = KeyboardKeyNamed(keyboard().views(), name);
            QVERIFY2(key, qPrintable(QString::fromUtf16(name.data(), name.size())));
            click(*key);
        }
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        MXSetSettingsDirectory(std::filesystem::path(folder_->filePath(QStringLiteral("settings")).toStdString()));
    }

    void cleanup() {
        window_.reset();
        MXSetSettingsDirectory(std::nullopt);
    }

    void clicksOnKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("spaceTitle");
        QTest::newRow("degrees") << "numbers symbols sin numbers 3 0" << "sind(30" << " = 0.5";
        QTest::newRow("return after backspace") << "numbers 4 backspace 9 return" << "9 = 9\n" << "";
        QTest::newRow("letters again, a word and space") << "numbers letters h i space" << "hi " << "";
    }
    void clicksOnKeys() {
        QFETCH(QString, keys);
        open();
        clickKeys(keys);
        QCOMPARE(document(), fetched<QString>("document"));
        QCOMPARE(spaceTitle(), fetched<QString>("spaceTitle"));
    }

    void computerKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("spaceTitle");
        QTest::newRow("space") << "2+3 " << "2 + 3 = 5" << "";
        QTest::newRow("backspace") << "12\b" << "1" << " = 1";
        QTest::newRow("return") << "7-2\r" << "7 - 2 = 5\n" << "";
        QTest::newRow("no such key") << "A" << "A" << "";
    }
    void computerKeys() {
        QFETCH(QString, typed);
        open();
        // QTest sends "\b" as Backspace and "\r" as Return.
        for (const char c : typed.toLatin1()) {
            QTest::keyClick(&window_->document(), c);
            keyboard().environment().advance(kPause);
        }
        QCOMPARE(document(), fetched<QString>("document"));
        QCOMPARE(spaceTitle(), fetched<QString>("spaceTitle"));
    }

    // A held Backspace deletes at 0.4 s and every 0.25 s after; the key lights while held.
    void heldBackspaceRepeats() {
        open();
        QTest::keyClicks(&window_->document(), QStringLiteral("12345"));
        const MXButton& backspace = *keyboard().views().backSpaceButton;
        QTest::keyPress(&window_->document(), Qt::Key_Backspace);
        QVERIFY(backspace.isHighlighted());
        QCOMPARE(document(), QStringLiteral("12345"));
        keyboard().environment().advance(0.4);
        keyboard().environment().advance(0.25);
        QTest::keyRelease(&window_->document(), Qt::Key_Backspace);
        keyboard().environment().advance(kPause);
        QVERIFY(!backspace.isHighlighted());
        QCOMPARE(document(), QStringLiteral("123"));
    }

    void quickClicks_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("radians");
        QTest::newRow("double tap on space does nothing") << "space" << 2 << "2 + 3 = 5" << false;
        QTest::newRow("double tap on shift does nothing") << "shift" << 2 << "2 + 3" << true;
        QTest::newRow("triple tap on shift toggles") << "shift" << 3 << "2 + 3" << false;
    }
    void quickClicks() {
        QFETCH(QString, key);
        QFETCH(int, clicks);
        open();
        clickKeys(QStringLiteral("numbers 2 + 3"));
        const MXButton* target = KeyboardKeyNamed(keyboard().views(), key.toStdU16String());
        for (int i = 0; i < clicks; ++i) click(*target, 0.05);
        QCOMPARE(document(), fetched<QString>("document"));
        QCOMPARE(keyboard().controller().isRAD(), fetched<bool>("radians"));
    }

    // The switch off: only results reach the document; both controls write the store.
    void switchAndSlider() {
        open();
        click(*keyboard().views().spaceSwitch);
        QCOMPARE(MXUserDefaults::standardUserDefaults().integerForKey(KeyboardKeySaveCanType), 0);
        QWidget* slider = KeyboardPanel::widgetOf(*keyboard().views().spaceSlider);
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 1, slider->height() / 2));
        clickKeys(QStringLiteral("numbers 1 / 3"));
        QCOMPARE(MXUserDefaults::standardUserDefaults().integerForKey(KeyboardKeySaveINTMAX), 13);
        QCOMPARE(spaceTitle(), QStringLiteral(" = 0.3333333333333"));
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 3, slider->height() / 2));
        const int64_t stored = MXUserDefaults::standardUserDefaults().integerForKey(KeyboardKeySaveINTMAX);
        QCOMPARE(QString::fromStdU16String(keyboard().controller().sliderLabel()->text()), QString::number(stored));
        QVERIFY(stored > 0 && stored < 13);
        clickKeys(QStringLiteral("space"));
        QCOMPARE(document(), QStringLiteral("0.") + QString(static_cast<int>(stored), u'3'));
    }

    // Wider windows get the tablet form, built again with the expression kept.
    void windowWidthChoosesTheForm() {
        open();
        clickKeys(QStringLiteral("numbers 2 + 3"));
        const std::pair<int, MXUserInterfaceIdiom> widths[] = {{800, MXUserInterfaceIdiom::Pad}, {390, MXUserInterfaceIdiom::Phone}};
        for (const auto& [width, idiom] : widths) {
            window_->resize(width, 900);
            QCoreApplication::processEvents();
            QCOMPARE(keyboard().environment().userInterfaceIdiom(), idiom);
            QCOMPARE(keyboard().height(), keyboard().heightForWidth(width));
            QCOMPARE(spaceTitle(), QStringLiteral(" = 5"));
        }
        clickKeys(QStringLiteral("space"));
        QCOMPARE(document(), QStringLiteral("2 + 3 = 5"));
    }

    // Return without a result closes the keyboard, the globe key hands typing to the
    // computer's keyboard; the button brings the keyboard back.
    void hidingTheKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("return") << "return";
        QTest::newRow("globe") << "🌐";
    }
    void hidingTheKeyboard() {
        open();
        clickKeys(fetched<QString>("keys"));
        QVERIFY(!keyboard().isVisible());
        QTest::keyClicks(&window_->document(), QStringLiteral("2+3"));
        QCOMPARE(document(), QStringLiteral("2+3"));
        QTest::mouseClick(&window_->showKeyboardButton(), Qt::LeftButton);
        QVERIFY(keyboard().isVisible());
        QTest::keyClicks(&window_->document(), QStringLiteral("+"));
        QCOMPARE(document(), QStringLiteral("2+3 + "));
    }

    void savingTheDocument() {
        write(filePath(), "1+1");
        open(filePath());
        QCOMPARE(document(), QStringLiteral("1+1"));
        clickKeys(QStringLiteral("numbers 2"));
        QTest::keyClick(&window_->document(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(contents(filePath()), QByteArray("1+12"));
        clickKeys(QStringLiteral("3"));
        QVERIFY(window_->close());
        QCOMPARE(contents(filePath()), QByteArray("1+123"));
    }

    // A save that fails keeps the old file and the text, and the first close is refused.
    void failedSave_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("writesLimited");
        QTest::newRow("disk full") << QByteArray("old text") << true;
        QTest::newRow("not UTF-8") << QByteArray("old \xff text") << false;
    }
    void failedSave() {
        QFETCH(QByteArray, old);
        QFETCH(bool, writesLimited);
        write(filePath(), old);
        open(filePath());
        clickKeys(QStringLiteral("numbers 1 2 3 4 5 6 7 8 9 0"));
        const QString typed = document();
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (writesLimited) {
            rlimit limited = before;
            limited.rlim_cur = static_cast<rlim_t>(old.size());
            setrlimit(RLIMIT_FSIZE, &limited);
        }
        const bool saved = window_->save();
        const bool closed = window_->close();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QVERIFY(!closed);
        QVERIFY(window_->messageLine().isVisible());
        QCOMPARE(contents(filePath()), old);
        QCOMPARE(document(), typed);
        QVERIFY(window_->close());
        QCOMPARE(contents(filePath()), old);
    }

    void screenshotOfTappedKeys() {
        open();
        QCOMPARE(KeyboardTapKeys(*window_, QStringLiteral("numbers 2 + 3")), QString());
        QCOMPARE(spaceTitle(), QStringLiteral(" = 5"));
        QCOMPARE(KeyboardTapKeys(*window_, QStringLiteral("nokey")), QStringLiteral("no key \"nokey\" on the keyboard"));
        const QString shot = folder_->filePath(QStringLiteral("shot.png"));
        QCOMPARE(KeyboardWriteScreenshot(*window_, shot), QString());
        QCOMPARE(QImage(shot).size(), window_->size() * window_->devicePixelRatio());
    }

    void clickPlayerNeverBlocks() {
        KeyboardClickPlayer player(false);
        player.play();
        QTRY_COMPARE(player.played(), 1);
        KeyboardClickPlayer muted(true);
        muted.play();
        QCOMPARE(muted.played(), 0);
    }
};

QTEST_MAIN(KeyboardWindowTest)
#include "keyboard_window_test.moc"
