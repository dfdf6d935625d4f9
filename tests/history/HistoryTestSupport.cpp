#include "HistoryTestSupport.h"

#include "PostgresServer.h"
#include "history/HistoryStore.h"

#include <QCryptographicHash>
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

HistoryRecord record(const QString &address, int port, const QString &outcome, qint64 startedMs)
{
    HistoryRecord r;
    r.runId = QStringLiteral("run-7");
    r.started = QDateTime::fromMSecsSinceEpoch(startedMs, Qt::OffsetFromUTC, 3600);
    r.ended = r.started.addMSecs(1234);
    r.host = QStringLiteral("bench-3");
    r.operatorName = QStringLiteral("ada");
    r.program = QStringLiteral("firmware-uploader-cli");
    r.version = QStringLiteral("1.0.40");
    r.title = QStringLiteral("Kestrel Max Firmware Uploader");
    r.unitName = QStringLiteral("unit ") + address;
    r.address = address;
    r.port = port;
    r.firmwarePath = QStringLiteral("/srv/fw/demo.hex");
    r.firmwareSize = 2460;
    r.firmwareSha256 = QString::fromLatin1(
        QCryptographicHash::hash(outcome.toUtf8(), QCryptographicHash::Sha256).toHex());
    r.records = 52;
    r.recordsSent = outcome == QLatin1String("finished") ? 52 : 0;
    r.outcome = outcome;
    r.exitCode = outcome == QLatin1String("finished") ? 0 : 1;
    r.message = QStringLiteral("=HYPERLINK(\"x\")");
    return r;
}

} // namespace HistoryTestSupport
