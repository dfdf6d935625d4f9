#include "ProgramNotice.h"
#include "frmMain.h"
#include "platform/EventDispatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {
// Bad options end every program of the project with the command-line uploader's "bad input".
constexpr int kBadOptionStatus = 4;
} // namespace

int main(int argc, char *argv[])
{
    EventDispatcher::preferQtDispatcher();
    QApplication app(argc, argv);
    QApplication::setApplicationName(frmMain::buildTitle());
    const frmMain::Version version = frmMain::buildVersion();
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(version.majorNumber)
                                            .arg(version.minorNumber)
                                            .arg(version.revision));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("firmware-uploader"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs Intel HEX firmware into a control unit over Ethernet.\n"
                       "A demo firmware file to try it with: " FWU_DEMO_FIRMWARE));
    parser.addHelpOption();
    // Qt's own version option prints one line; this one names the licence too.
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays version information."));
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Firmware file to choose at start (.hex)."),
                                 QStringLiteral("[FILE.hex]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return kBadOptionStatus;
    }
    parser.process(app); // answers --help
    if (parser.isSet(versionOption)) {
        std::printf("%s %s\n%s\n", qPrintable(QApplication::applicationName()),
                    qPrintable(QApplication::applicationVersion()), FWU_LICENCE_NOTICE);
        return 0;
    }

    frmMain window;
    window.show();
    // A file manager's "Open with" and the command line hand over one file: chosen as through
    // the dialog, or refused in the log.
    if (!parser.positionalArguments().isEmpty())
        window.chooseFirmwareFile(parser.positionalArguments().constFirst());
    return app.exec();
}
