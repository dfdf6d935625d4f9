#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 30000;
const QString kServerAccount = QStringLiteral("postgres");
const QString kSuperUser = QStringLiteral("fwu");

} // namespace

PostgresServer::PostgresServer()
{
    m_socketDir = m_scratch.filePath(QStringLiteral("pg"));
    m_dataDir = m_socketDir + QStringLiteral("/data");
}

PostgresServer::~PostgresServer()
{
    stop();
}

QString PostgresServer::binDir()
{
    QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(),
              [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    return versions.isEmpty() ? QString()
                              : QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versions.last());
}

QStringList PostgresServer::asServerUser(const QString &program, const QStringList &arguments) const
{
    const QString path = binDir() + QLatin1Char('/') + program;
    if (geteuid() != 0)
        return QStringList{path} + arguments;
    // setpriv runs the program in its own process (no shell or su in between), so that the
    // death signal and the stop signal reach the server itself.
    return QStringList{QStringLiteral("setpriv"),
                       QStringLiteral("--reuid=") + kServerAccount,
                       QStringLiteral("--regid=") + kServerAccount,
                       QStringLiteral("--init-groups"),
                       QStringLiteral("--pdeathsig=INT"),
                       QStringLiteral("--"),
                       path} +
           arguments;
}

QString PostgresServer::start()
{
    if (!m_scratch.isValid() || binDir().isEmpty())
        return QStringLiteral("no scratch folder or no PostgreSQL server installed");
    if (!QDir().mkpath(m_socketDir))
        return QStringLiteral("cannot create %1").arg(m_socketDir);
    if (geteuid() == 0) {
        const passwd *account = getpwnam(kServerAccount.toLocal8Bit().constData());
        if (!account)
            return QStringLiteral("no \"%1\" account; scripts/setup installs it")
                .arg(kServerAccount);
        // The server's account reaches its own folder through the scratch folder, nothing more.
        if (::chmod(QFile::encodeName(m_scratch.path()).constData(), 0711) != 0 ||
            ::chown(QFile::encodeName(m_socketDir).constData(), account->pw_uid, account->pw_gid) !=
                0 ||
            ::chmod(QFile::encodeName(m_socketDir).constData(), 0700) != 0)
            return QStringLiteral("cannot hand %1 to the server's account").arg(m_socketDir);
    }
    QStringList initdb =
        asServerUser(QStringLiteral("initdb"),
                     {QStringLiteral("-D"), m_dataDir, QStringLiteral("-U"), kSuperUser,
                      QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("--no-sync"),
                      QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C")});
    QProcess setup;
    setup.setProcessChannelMode(QProcess::MergedChannels);
    setup.start(initdb.takeFirst(), initdb);
    if (!setup.waitForFinished(kWaitMs) || setup.exitCode() != 0)
        return QStringLiteral("initdb failed: ") + QString::fromUtf8(setup.readAll());
    return launch();
}

QString PostgresServer::restart()
{
    stop();
    return launch();
}

QString PostgresServer::launch()
{
    QStringList server =
        asServerUser(QStringLiteral("postgres"),
                     {QStringLiteral("-D"), m_dataDir, QStringLiteral("-k"), m_socketDir,
                      QStringLiteral("-c"), QStringLiteral("listen_addresses="),
                      QStringLiteral("-c"), QStringLiteral("max_connections=100")});
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(m_scratch.filePath(QStringLiteral("server.log")),
                                  QIODevice::Append);
    m_server.start(server.takeFirst(), server);
    if (!m_server.waitForStarted(kWaitMs))
        return QStringLiteral("the server did not start");
    // Ready once it accepts a connection on its socket.
    for (int i = 0; i < 300; ++i) {
        QString error;
        if (!createDatabase(QString(), &error).isEmpty())
            return {};
        if (m_server.state() != QProcess::Running)
            break;
        QThread::msleep(100);
    }
    QFile serverLog(m_scratch.filePath(QStringLiteral("server.log")));
    return QStringLiteral("the server did not come up: ") +
           (serverLog.open(QIODevice::ReadOnly) ? QString::fromUtf8(serverLog.readAll())
                                                : QString());
}

// The server and every process it started (one per session, and its helpers).
void PostgresServer::signalAll(int signalNumber) const
{
    const qint64 server = m_server.processId();
    if (server <= 0)
        return;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "PID (NAME) STATE PPID ...": the name may hold spaces and parentheses.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields[1].toLongLong() == server)
            ::kill(pid_t(entry.toLongLong()), signalNumber);
    }
    ::kill(pid_t(server), signalNumber);
}

void PostgresServer::pause()
{
    signalAll(SIGSTOP);
}

void PostgresServer::resume()
{
    signalAll(SIGCONT);
}

void PostgresServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    // A paused server would not hear the stop.
    resume();
    // Fast shutdown: the server ends its sessions and removes its socket and lock files.
    ::kill(pid_t(m_server.processId()), SIGINT);
    if (!m_server.waitForFinished(kWaitMs)) {
        m_server.kill();
        m_server.waitForFinished(kWaitMs);
    }
}

QString PostgresServer::createDatabase(const QString &name, QString *error)
{
    const QString connection = QStringLiteral("pg-setup");
    QString url;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(m_socketDir);
        db.setUserName(kSuperUser);
        db.setDatabaseName(QStringLiteral("postgres"));
        if (db.open()) {
            QSqlQuery query(db);
            if (name.isEmpty() || query.exec(QStringLiteral("CREATE DATABASE \"%1\"").arg(name)))
                url = QStringLiteral("postgresql://%1@/%2?host=%3")
                          .arg(kSuperUser, name.isEmpty() ? QStringLiteral("postgres") : name,
                               m_socketDir);
            else
                *error = query.lastError().text();
        } else {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return url;
}
