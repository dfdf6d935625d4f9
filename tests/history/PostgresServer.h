#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of the test's own: initdb into a scratch folder, listening on a Unix
// socket in that folder only (no TCP port), stopped and removed with this object. As root the
// server runs as the "postgres" account (initdb and postgres refuse root), and dies with the
// test if the test dies.
class PostgresServer
{
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // Empty when the server runs; else what went wrong, with the server's log.
    QString start();
    void stop();
    // Starts the stopped server again on its data.
    QString restart();
    // Freezes the server and its sessions (SIGSTOP), as a server that hangs: connections stay
    // open and the kernel takes what is sent, but nothing answers. resume() lets them go on.
    void pause();
    void resume();
    // Creates a database and returns its history URL: postgresql://fwu@/NAME?host=SOCKETDIR
    QString createDatabase(const QString &name, QString *error);
    QString socketDir() const { return m_socketDir; }
    // The folder with initdb, postgres and the other server programs.
    static QString binDir();

private:
    QString launch();
    QStringList asServerUser(const QString &program, const QStringList &arguments) const;
    void signalAll(int signalNumber) const;

    QTemporaryDir m_scratch;
    QString m_socketDir;
    QString m_dataDir;
    QProcess m_server;
};
