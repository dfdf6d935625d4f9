// fwbench-startup: how long a client program takes from its start to its first connection, the
// part of an uploader's life that is the same whatever the firmware. Listens on 127.0.0.1 (a
// free port), starts the program with every "{port}" of its arguments replaced by that port, and
// ends it once it has connected. One measurement per process; prints one line: ok, startup_ms.
//
//   fwbench-startup PROGRAM [ARGUMENTS...]

#include "BenchReport.h"
#include "platform/EventDispatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>

using namespace std::chrono_literals;

namespace {

// Far longer than any start-up, even on a machine shared with builds.
constexpr std::chrono::milliseconds kConnectLimit = 30s;

} // namespace

int main(int argc, char *argv[])
{
    EventDispatcher::preferQtDispatcher();
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    BenchReport report;
    QTcpServer server;
    if (arguments.isEmpty() || !server.listen(QHostAddress::LocalHost, 0)) {
        report.add(QStringLiteral("ok"), QStringLiteral("0"));
        report.print();
        return 2;
    }
    const QString port = QString::number(server.serverPort());
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("{port}"), port);

    QProcess child;
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    double milliseconds = -1;
    QObject::connect(&server, &QTcpServer::newConnection, &app, [&] {
        milliseconds = double(clock.nsecsElapsed()) / 1e6;
        QCoreApplication::quit();
    });
    QTimer::singleShot(kConnectLimit, &app, &QCoreApplication::quit);
    clock.start();
    child.start(arguments.takeFirst(), arguments);
    QCoreApplication::exec();
    child.kill();
    child.waitForFinished();

    report.add(QStringLiteral("ok"), QString::number(milliseconds >= 0 ? 1 : 0));
    report.add(QStringLiteral("startup_ms"), milliseconds, 2);
    report.print();
    return milliseconds >= 0 ? 0 : 1;
}
