#include "ProgramNotice.h"
#include "frmMain.h"
#include "platform/EventDispatcher.h"
#include "platform/Language.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {
// Bad options end every program of the project with the command-line uploader's "bad input".
constexpr int kBadOptionStatus = 4;

// The window's options; --help and --version are answered here.
struct Options
{
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("main", "Displays version information.")};
    QCommandLineOption language{QStringLiteral("language"), Language::optionDescription(),
                                QStringLiteral("CODE")};
    QCommandLineParser parser;

    Options()
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("main",
                                        "Installs Intel HEX firmware into a control unit over "
                                        "Ethernet.\nA demo firmware file to try it with: %1")
                .arg(QStringLiteral(FWU_DEMO_FIRMWARE)));
        parser.addHelpOption();
        // Qt's own version option prints one line; this one names the licence too.
        parser.addOption(version);
        parser.addOption(language);
        parser.addPositionalArgument(
            QStringLiteral("file"),
            QCoreApplication::translate("main", "Firmware file to choose at start (.hex)."),
            //: The command line's usage line: an optional firmware file.
            QCoreApplication::translate("main", "[FILE.hex]"));
    }
};

void nameApplication()
{
    QCoreApplication::setApplicationName(frmMain::buildTitle());
    const frmMain::Version version = frmMain::buildVersion();
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(version.majorNumber)
                                                .arg(version.minorNumber)
                                                .arg(version.revision));
}

// Whether the program is only asked about itself: then no window system is needed (or touched).
bool asksOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

// --language, else the user's choice, else the system's; false for an unknown language.
bool chooseLanguage()
{
    QStringList arguments = QCoreApplication::arguments();
    const SettingsStore settings;
    const QString error = Language::setUp(&arguments, &settings);
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return error.isEmpty();
}

// Parses the options: the exit status when the program is done (help, version, a bad option).
std::optional<int> answer(QCoreApplication &app, Options &options)
{
    if (!options.parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(options.parser.errorText()));
        return kBadOptionStatus;
    }
    options.parser.process(app); // answers --help
    if (options.parser.isSet(options.version)) {
        std::printf("%s %s\n%s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()), FWU_LICENCE_NOTICE);
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        if (!chooseLanguage())
            return kBadOptionStatus;
        Options options;
        return answer(app, options).value_or(0);
    }
    EventDispatcher::preferQtDispatcher();
    QApplication app(argc, argv);
    nameApplication();
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("firmware-uploader"));
    if (!chooseLanguage())
        return kBadOptionStatus;
    Options options;
    if (const std::optional<int> status = answer(app, options))
        return *status;

    frmMain window;
    window.show();
    // A file manager's "Open with" and the command line hand over one file: chosen as through
    // the dialog, or refused in the log.
    if (!options.parser.positionalArguments().isEmpty())
        window.chooseFirmwareFile(options.parser.positionalArguments().constFirst());
    return app.exec();
}
