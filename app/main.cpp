// mxcalc-keyboard [FILE]: the calculator keyboard in a window, typing into a document.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/KeyboardScreenshot.h"
#include "app/KeyboardWindow.h"
#include "platform/settings/MXSettingsDirectory.h"

namespace {

constexpr int kUsageErrorStatus = 2;

// A screenshot needs no display: it is drawn on Qt's offscreen platform.
void useOffscreenPlatformForScreenshots(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strncmp(argv[i], "--screenshot=", 13) == 0) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
}

int fail(const QString& message, int status) {
    std::fprintf(stderr, "mxcalc-keyboard: %s\n", qPrintable(message));
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    useOffscreenPlatformForScreenshots(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mxcalc-keyboard"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The calculator keyboard, typing into a document."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The document: read at start, saved on Ctrl+S and on quit."));
    const QCommandLineOption settings(QStringLiteral("settings"), QStringLiteral("The settings folder (else MX_SETTINGS_DIR)."), QStringLiteral("DIR"));
    const QCommandLineOption mute(QStringLiteral("mute"), QStringLiteral("No key click."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Draw the window into a PNG file and quit."), QStringLiteral("FILE.png"));
    const QCommandLineOption keys(QStringLiteral("keys"), QStringLiteral("Keys to tap before the screenshot, as in mxcalc --keyboard --keys."), QStringLiteral("KEYS"));
    parser.addOptions({settings, mute, screenshot, keys});
    parser.process(application);

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return fail(QStringLiteral("one FILE at most"), kUsageErrorStatus);
    if (parser.isSet(keys) && !parser.isSet(screenshot)) return fail(QStringLiteral("--keys needs --screenshot"), kUsageErrorStatus);
    if (parser.isSet(settings)) MXSetSettingsDirectory(std::filesystem::path(parser.value(settings).toStdString()));

    std::optional<QString> file;
    if (!files.isEmpty()) file = files.first();
    KeyboardWindow window(file, parser.isSet(mute) || parser.isSet(screenshot));
    window.show();
    if (!parser.isSet(screenshot)) return QApplication::exec();

    QString error = KeyboardTapKeys(window, parser.value(keys));
    if (error.isEmpty()) error = KeyboardWriteScreenshot(window, parser.value(screenshot));
    return error.isEmpty() ? 0 : fail(error, 1);
}
