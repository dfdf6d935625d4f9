#include "HistoryTestSupport.h"

#include "PostgresServer.h"
#include "history/HistoryStore.h"

#include <QDebug>
#include <QTemporaryDir>
#include <QTest>

namespace HistoryTestSupport {

void addBackendRows()
{
    QTest::addColumn<QString>("backend");
    QTest::newRow("sqlite") << "sqlite";
    QTest::newRow("postgresql") << "postgresql";
}

QString freshHistory(const QString &backend, const QTemporaryDir &folder, PostgresServer &server)
{
    static int histories = 0;
    const QString name = QStringLiteral("history%1").arg(++histories);
    if (backend == QLatin1String("sqlite"))
        return QStringLiteral("sqlite://") + folder.filePath(name + QStringLiteral(".sqlite"));
    QString error;
    const QString url = server.createDatabase(name, &error);
    if (url.isEmpty())
        qWarning() << error;
    return url;
}

QList<HistoryRow> rowsOf(const QString &url)
{
    HistoryStore store(HistoryLocation::parse(url));
    QList<HistoryRow> rows;
    HistoryFilter all;
    all.limit = 0;
    if (const std::optional<QString> problem = store.select(all, &rows))
        qWarning() << *problem;
    return rows;
}

} // namespace HistoryTestSupport
