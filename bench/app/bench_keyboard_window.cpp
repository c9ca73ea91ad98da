// The desktop keyboard's responsiveness, on the offscreen platform: start to the window's
// first painted frame, resident memory after start, and a click on a key widget to the
// space key's repaint (median and worst of 1,000 clicks). The program itself is also
// started as a separate process (its --screenshot run: start, first frame, PNG, exit).
// Prints one line per figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/KeyboardPanel.h"
#include "app/KeyboardWindow.h"
#include "keyboard/KeyboardKeyLookup.h"
#include "platform/settings/MXSettingsDirectory.h"

namespace {

constexpr int kTaps = 1000;
constexpr int kProgramRuns = 10;
constexpr qint64 kGiveUpNanoseconds = 2'000'000'000;

// Notes that a widget was painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until the watched widget has painted; false when it never does.
bool waitForPaint(PaintWatch& watch, const QElapsedTimer& clock) {
    const qint64 start = clock.nsecsElapsed();
    while (!watch.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (clock.nsecsElapsed() - start > kGiveUpNanoseconds) return false;
    }
    return true;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

double milliseconds(qint64 nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

void reportProgramStart(const QString& folder) {
    std::vector<qint64> runs;
    for (int i = 0; i < kProgramRuns; ++i) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        program.start(QStringLiteral(MX_KEYBOARD_PATH), {QStringLiteral("--settings"), folder, QStringLiteral("--screenshot"),
                                                        folder + QStringLiteral("/start.png")});
        if (!program.waitForFinished(30000) || program.exitCode() != 0) {
            std::printf("program start: failed\n");
            return;
        }
        runs.push_back(clock.nsecsElapsed());
    }
    std::sort(runs.begin(), runs.end());
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    std::printf("program run to first frame, PNG and exit: median %.1f ms over %d runs\n",
                milliseconds(runs[runs.size() / 2]), kProgramRuns);
    std::printf("program peak resident memory: %.1f MB\n", static_cast<double>(children.ru_maxrss) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    MXSetSettingsDirectory(std::filesystem::path(folder.path().toStdString()));

    KeyboardWindow window(std::nullopt, true);
    PaintWatch firstFrame;
    window.installEventFilter(&firstFrame);
    window.show();
    if (!waitForPaint(firstFrame, clock)) return 1;
    std::printf("main to first painted frame: %.1f ms\n", milliseconds(clock.nsecsElapsed()));
    std::printf("resident memory after start: %.1f MB\n", static_cast<double>(residentKilobytes()) / 1024);

    const KeyboardViews& views = window.keyboard().views();
    PaintWatch space;
    KeyboardPanel::widgetOf(*views.spaceButton)->installEventFilter(&space);
    QTest::mouseClick(KeyboardPanel::widgetOf(*KeyboardKeyNamed(views, u"numbers")), Qt::LeftButton);
    // A digit shows its value on the space key, backspace empties it again: every click
    // changes the title.
    std::vector<qint64> taps;
    for (int i = 0; i < kTaps; ++i) {
        const std::u16string digit(1, static_cast<char16_t>(u'1' + (i / 2) % 9));
        const MXButton* key = i % 2 == 0 ? KeyboardFindKey(views, digit) : views.backSpaceButton.get();
        QWidget* widget = KeyboardPanel::widgetOf(*key);
        space.painted = false;
        const qint64 start = clock.nsecsElapsed();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        if (!waitForPaint(space, clock)) return 1;
        taps.push_back(clock.nsecsElapsed() - start);
    }
    std::sort(taps.begin(), taps.end());
    std::printf("click on a key to the space key's repaint: median %.3f ms, worst %.3f ms over %d clicks\n",
                milliseconds(taps[taps.size() / 2]), milliseconds(taps.back()), kTaps);
    reportProgramStart(folder.path());
    return 0;
}
