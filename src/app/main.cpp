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
        QStringLiteral("Installs Intel HEX firmware into a control unit over Ethernet."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Firmware file to choose at start (.hex)."),
                                 QStringLiteral("[FILE.hex]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return kBadOptionStatus;
    }
    parser.process(app); // answers --help and --version

    frmMain window;
    window.show();
    // A file manager's "Open with" and the command line hand over one file: chosen as through
    // the dialog, or refused in the log.
    if (!parser.positionalArguments().isEmpty())
        window.chooseFirmwareFile(parser.positionalArguments().constFirst());
    return app.exec();
}
