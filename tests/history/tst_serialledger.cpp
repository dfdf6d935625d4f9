// The serial-number pools in the flash history, on SQLite files and a PostgreSQL server of the
// test's own: the order numbers are handed out in, what is never handed out again, the sweeps,
// a label's number, the schema upgrade, and many takers on one pool at once.

#include "HistoryTestSupport.h"
#include "PostgresServer.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "history/HistoryWorker.h"
#include "history/SerialLedger.h"
#include "platform/ProcessIdentity.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using Ledger = SerialLedger;
using State = SerialLedger::State;

namespace {

const QString kPool = QStringLiteral("board");
const QString kIdentity = QStringLiteral("counter:1000:1002");

std::optional<QString> valueAt(qint64 index, QString *value)
{
    *value = QStringLiteral("SN-%1").arg(1000 + index);
    return std::nullopt;
}

Ledger::Holder holder(const QString &attemptId)
{
    Ledger::Holder h = Ledger::Holder::ofThisProcess(attemptId);
    h.unitName = QStringLiteral("unit ") + attemptId;
    h.address = QStringLiteral("10.0.0.1");
    h.port = 5000;
    return h;
}

// The state of each number of the pool, "VALUE:STATE" by index.
QStringList states(Ledger &ledger)
{
    QList<QVariantList> rows;
    if (const std::optional<QString> problem = ledger.select(kPool, &rows))
        return {*problem};
    QStringList found;
    for (const QVariantList &row : rows)
        found.append(row.at(1).toString() + ':' + row.at(2).toString());
    return found;
}

} // namespace

class tst_SerialLedger : public QObject
{
    Q_OBJECT

    PostgresServer m_postgres;
    QTemporaryDir m_dir;

    QString freshHistory(const QString &backend)
    {
        return HistoryTestSupport::freshHistory(backend, m_dir, m_postgres);
    }

    static QString take(Ledger &ledger, const QString &attemptId,
                        std::chrono::milliseconds stale = Ledger::kDefaultStaleLimit)
    {
        Ledger::Claim claim;
        if (const std::optional<QString> problem =
                ledger.take(kPool, kIdentity, 3, valueAt, holder(attemptId), stale, &claim))
            return *problem;
        return claim.value;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString problem = m_postgres.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void takeAndSettle_data() { HistoryTestSupport::addBackendRows(); }

    // Returned numbers go out again first, burnt and used ones never; a used-up pool and one of
    // another identity are refused; a label's number is the operator's unless it is finished or
    // another live holder writes it.
    void takeAndSettle()
    {
        QFETCH(QString, backend);
        HistoryStore store(HistoryLocation::parse(freshHistory(backend)));
        Ledger ledger(store);
        QString next;
        QCOMPARE(ledger.peek(kPool, kIdentity, 3, valueAt, &next), std::nullopt);
        QCOMPARE(next, "SN-1000");
        QCOMPARE(take(ledger, "a1"), "SN-1000");
        QCOMPARE(take(ledger, "a2"), "SN-1001");
        QCOMPARE(ledger.settle(kPool, "SN-1000", "a1", State::Returned), std::nullopt);
        QCOMPARE(ledger.settle(kPool, "SN-1001", "a2", State::Burnt), std::nullopt);
        // The same step again after a lost reply is harmless; another attempt's step is not.
        QCOMPARE(ledger.settle(kPool, "SN-1001", "a2", State::Burnt), std::nullopt);
        QVERIFY(ledger.settle(kPool, "SN-1001", "a9", State::Used).has_value());
        QVERIFY(ledger.refused());

        QCOMPARE(ledger.peek(kPool, kIdentity, 3, valueAt, &next), std::nullopt);
        QCOMPARE(next, "SN-1000");
        Ledger::Claim claim;
        QCOMPARE(ledger.take(kPool, kIdentity, 3, valueAt, holder("a3"), Ledger::kDefaultStaleLimit,
                             &claim),
                 std::nullopt);
        QCOMPARE(claim.value, "SN-1000");
        QCOMPARE(claim.index, 0);
        QCOMPARE(claim.previousState, "returned");
        QCOMPARE(take(ledger, "a4"), "SN-1002");
        QCOMPARE(ledger.settle(kPool, "SN-1000", "a3", State::Used), std::nullopt);
        QCOMPARE(ledger.settle(kPool, "SN-1002", "a4", State::Used), std::nullopt);

        QCOMPARE(take(ledger, "a5"), "serial pool board is used up: last number SN-1002");
        QVERIFY(ledger.refused());
        QVERIFY(ledger.peek(kPool, kIdentity, 3, valueAt, &next).has_value());
        const std::optional<QString> other =
            ledger.take(kPool, "counter:5000:5999", 1000, valueAt, holder("a6"),
                        Ledger::kDefaultStaleLimit, &claim);
        QVERIFY(other && other->contains(kIdentity) && other->contains("counter:5000:5999"));

        const std::optional<QString> finished =
            ledger.claim(kPool, "SN-1000", holder("a7"), Ledger::kDefaultStaleLimit, &claim);
        QVERIFY(finished && finished->contains("already finished"));
        // A burnt label may be flashed again: it is the same unit.
        QCOMPARE(ledger.claim(kPool, "SN-1001", holder("a7"), Ledger::kDefaultStaleLimit, &claim),
                 std::nullopt);
        QCOMPARE(claim.previousState, "burnt");
        QVERIFY(ledger.claim(kPool, "SN-1001", holder("a8"), Ledger::kDefaultStaleLimit, &claim)
                    .has_value());
        QCOMPARE(ledger.claim(kPool, "LABEL-7", holder("a8"), Ledger::kDefaultStaleLimit, &claim),
                 std::nullopt);
        QCOMPARE(claim.index, std::nullopt);

        QList<QVariantList> rows;
        QCOMPARE(ledger.select(QString(), &rows), std::nullopt);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[1].size(), Ledger::fields().size());
        QCOMPARE(rows[1].at(Ledger::fields().indexOf("attempt_id")).toString(), "a7");
        QCOMPARE(rows[1].at(Ledger::fields().indexOf("port")).toInt(), 5000);
        QCOMPARE(states(ledger), QStringList({"SN-1000:used", "SN-1001:allocated", "SN-1002:used",
                                              "LABEL-7:allocated"}));
    }

    void sweeps_data() { HistoryTestSupport::addBackendRows(); }

    // A number held by a process of this host that no longer runs is burnt by the next take; one
    // held on another host only once it is stale.
    void sweeps()
    {
        QFETCH(QString, backend);
        HistoryStore store(HistoryLocation::parse(freshHistory(backend)));
        Ledger ledger(store);
        Ledger::Claim claim;
        Ledger::Holder gone = holder("dead");
        gone.processStart += 1;
        QCOMPARE(
            ledger.take(kPool, kIdentity, 3, valueAt, gone, Ledger::kDefaultStaleLimit, &claim),
            std::nullopt);
        Ledger::Holder elsewhere = holder("remote");
        elsewhere.host = "another-pc";
        elsewhere.pid = 1;
        QCOMPARE(ledger.take(kPool, kIdentity, 3, valueAt, elsewhere, Ledger::kDefaultStaleLimit,
                             &claim),
                 std::nullopt);
        QCOMPARE(take(ledger, "live"), "SN-1002");
        QCOMPARE(states(ledger),
                 QStringList({"SN-1000:burnt", "SN-1001:allocated", "SN-1002:allocated"}));
        QTest::qWait(5);
        QVERIFY(take(ledger, "late", std::chrono::milliseconds(1)).contains("used up"));
        QCOMPARE(states(ledger), QStringList({"SN-1000:burnt", "SN-1001:burnt", "SN-1002:burnt"}));
        QVERIFY(ProcessIdentity::isRunning(ProcessIdentity::current().pid,
                                           ProcessIdentity::current().startTicks));
    }

    // The ledger on the history's own thread, as the front-ends reach the history.
    void throughTheWorker()
    {
        HistoryWorker worker;
        QSignalSpy answers(&worker, &HistoryWorker::appended);
        const HistoryLocation location = HistoryLocation::parse(freshHistory("sqlite"));
        auto claim = std::make_shared<Ledger::Claim>();
        const quint64 id = worker.useLedger(location, [claim](Ledger &ledger) {
            return ledger.take(kPool, kIdentity, 3, valueAt, holder("w1"),
                               Ledger::kDefaultStaleLimit, claim.get());
        });
        QVERIFY(answers.wait(20000));
        QCOMPARE(answers.at(0).at(0).toULongLong(), id);
        QCOMPARE(answers.at(0).at(1).value<std::optional<QString>>(), std::nullopt);
        QCOMPARE(claim->value, "SN-1000");
    }

    void upgradeFromVersion3_data() { HistoryTestSupport::addBackendRows(); }

    // A version 3 history gains the ledger and the attempts' serial columns with its rows kept.
    void upgradeFromVersion3()
    {
        QFETCH(QString, backend);
        const HistoryLocation location = HistoryLocation::parse(freshHistory(backend));
        {
            const bool sqlite = backend == "sqlite";
            QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", "raw");
            db.setDatabaseName(sqlite ? location.path() : location.database());
            db.setHostName(location.host());
            db.setUserName(location.user());
            QVERIFY(db.open());
            QSqlQuery query(db);
            for (int step = 1; step <= 3; ++step) {
                for (const QString &statement : HistorySchema::upgradeTo(step, !sqlite))
                    QVERIFY2(query.exec(statement), qPrintable(statement));
            }
            QVERIFY(query.exec("INSERT INTO attempts (started, started_ms, ended, ended_ms, "
                               "outcome, unit_serial) VALUES ('2025-01-01T00:00:00.000Z', "
                               "1735689600000, '2025-01-01T00:00:01.000Z', 1735689601000, "
                               "'finished', 'L-1')"));
        }
        QSqlDatabase::removeDatabase("raw");
        HistoryStore store(location);
        HistoryRecord written =
            HistoryTestSupport::record("10.0.0.2", 1, "finished", 1772323200000);
        written.serial = "SN-1000";
        written.serialPool = kPool;
        written.baseSha256 = QString(64, 'a');
        QCOMPARE(store.append(written), std::nullopt);
        QList<HistoryRow> rows;
        QCOMPARE(store.select({}, &rows), std::nullopt);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].text("unit_serial"), "L-1");
        QVERIFY(rows[1].value("serial").isNull());
        QCOMPARE(rows[0].values.mid(1), QVariantList(written.values()));
        Ledger ledger(store);
        QCOMPARE(take(ledger, "a1"), "SN-1000");
    }

    void concurrentTakers_data() { HistoryTestSupport::addBackendRows(); }

    // Eight takers on one pool, as on two PCs: no number is held twice (a taker's settle fails
    // when another holds its number), every number ends as settled, returned ones go out again.
    void concurrentTakers()
    {
        QFETCH(QString, backend);
        const QString url = freshHistory(backend);
        constexpr int kTakers = 8;
        constexpr int kEach = 12;
        std::vector<std::unique_ptr<QProcess>> takers;
        for (int i = 0; i < kTakers; ++i) {
            auto taker = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(HistoryRecord::kHostNameVariable, i < kTakers / 2 ? "a" : "b");
            taker->setProcessEnvironment(environment);
            taker->start(TAKER_PATH, {url, kPool, QString::number(kEach)});
            takers.push_back(std::move(taker));
        }
        QMap<QString, QStringList> settles;
        for (const auto &taker : takers) {
            QVERIFY(taker->waitForFinished(120000));
            QVERIFY2(taker->exitCode() == 0, taker->readAllStandardError().constData());
            const QList<QByteArray> lines = taker->readAllStandardOutput().trimmed().split('\n');
            QCOMPARE(lines.size(), kEach);
            for (const QByteArray &line : lines)
                settles[line.split(' ').value(0)].append(QString(line.split(' ').value(1)));
        }
        HistoryStore store(HistoryLocation::parse(url));
        Ledger ledger(store);
        QList<QVariantList> rows;
        QCOMPARE(ledger.select(kPool, &rows), std::nullopt);
        QCOMPARE(rows.size(), settles.size());
        QVERIFY(rows.size() < kTakers * kEach);
        for (const QVariantList &row : rows) {
            const QStringList ends = settles.value(row.at(1).toString());
            QStringList final = ends;
            final.removeAll("returned");
            QVERIFY2(final.size() <= 1, qPrintable(row.at(1).toString() + ends.join(',')));
            QCOMPARE(row.at(2).toString(), final.isEmpty() ? "returned" : final.first());
        }
    }

    void cleanup() { QSqlDatabase::removeDatabase("raw"); }
};

QTEST_GUILESS_MAIN(tst_SerialLedger)
#include "tst_serialledger.moc"
