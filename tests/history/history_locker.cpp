// A second writer of an SQLite history that takes its time, in a process of its own: it takes
// the write lock (BEGIN EXCLUSIVE), says "locked" on standard output, keeps the lock for the
// milliseconds given, then lets it go.
//
//   history-locker FILE MILLISECONDS

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 4;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(arguments.at(1));
        QSqlQuery query(db);
        if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
            std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
            return 1;
        }
        std::printf("locked\n");
        std::fflush(stdout);
        QThread::msleep(arguments.at(2).toULong());
        query.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    return 0;
}
