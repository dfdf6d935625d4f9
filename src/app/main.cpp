#include "frmMain.h"
#include "platform/EventDispatcher.h"

#include <QApplication>
#include <QIcon>

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

    frmMain window;
    window.show();
    return app.exec();
}
