// fwbench-history: what the flash history costs an attempt. Starts its own PostgreSQL server
// (initdb into a scratch folder, a Unix socket there, no TCP port) beside SQLite files in the
// same folder, then prints "key=value" lines, one per row:
//  - write: one row appended, to a store kept open (loop mode) and to a store opened for it (a
//    new uploader process: connect, schema check, insert), median and worst in ms; beside the
//    floor of a durable write, one small write() + fdatasync() of a file in the same folder;
//  - take: a serial number taken from a pool and settled as used, on a store kept open, median
//    and worst in ms of each step;
//  - burst: UNITS uploader processes against as many simulated units, all started at once and
//    finishing together, with the history off, on SQLite and on PostgreSQL: the processes' own
//    duration (median and worst, from their JSON result), the wall time and the rows written.
//
//   fwbench-history CLI UNIT-SIM HEXGEN [--writes N] [--units N] [--runs N]

#include "PostgresServer.h"
#include "history/HistoryStore.h"
#include "history/SerialLedger.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 120000;

struct Figures
{
    QList<double> values;
    double median() const
    {
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted.isEmpty() ? 0 : sorted[sorted.size() / 2];
    }
    double worst() const
    {
        return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
    }
};

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

HistoryRecord sampleRecord(int i)
{
    HistoryRecord r;
    r.started = QDateTime::currentDateTime();
    r.ended = r.started.addMSecs(7000);
    r.host = QStringLiteral("bench");
    r.operatorName = QStringLiteral("bench");
    r.program = QStringLiteral("fwbench-history");
    r.address = QStringLiteral("127.0.0.1");
    r.port = 5000 + i;
    r.firmwarePath = QStringLiteral("/srv/firmware.hex");
    r.firmwareSize = 92370;
    r.firmwareSha256 = QString(64, QLatin1Char('a'));
    r.records = 2050;
    r.recordsSent = 2050;
    r.outcome = QStringLiteral("finished");
    r.message = QStringLiteral("Done!  Unit is ready to use.");
    return r;
}

// The floor: a row-sized write made durable, in the folder that holds the SQLite file.
Figures durableWrites(const QString &path, int count)
{
    Figures figures;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    const QByteArray row(300, 'x');
    for (int i = 0; fd >= 0 && i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (::write(fd, row.constData(), size_t(row.size())) < 0 || ::fdatasync(fd) != 0)
            break;
        figures.values.append(elapsedMs(timer));
    }
    if (fd >= 0)
        ::close(fd);
    return figures;
}

void printWrites(QTextStream &out, const QString &backend, const QString &url, int count)
{
    Figures kept;
    Figures fresh;
    HistoryStore store(HistoryLocation::parse(url));
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        failures += store.append(sampleRecord(i)).has_value();
        kept.values.append(elapsedMs(timer));
        timer.start();
        HistoryStore once(HistoryLocation::parse(url));
        failures += once.append(sampleRecord(i)).has_value();
        fresh.values.append(elapsedMs(timer));
    }
    // The very first append created the schema: not what an attempt pays.
    kept.values.removeFirst();
    out << "row=write backend=" << backend << " writes=" << count << " failures=" << failures
        << QStringLiteral(
               " kept_median_ms=%1 kept_worst_ms=%2 fresh_median_ms=%3 fresh_worst_ms=%4")
               .arg(kept.median(), 0, 'f', 2)
               .arg(kept.worst(), 0, 'f', 2)
               .arg(fresh.median(), 0, 'f', 2)
               .arg(fresh.worst(), 0, 'f', 2)
        << Qt::endl;
}

void printTakes(QTextStream &out, const QString &backend, const QString &url, int count)
{
    HistoryStore store(HistoryLocation::parse(url));
    SerialLedger ledger(store);
    const SerialLedger::ValueAt valueAt = [](qint64 index, QString *value) {
        *value = QStringLiteral("SN-%1").arg(index, 8, 10, QLatin1Char('0'));
        return std::optional<QString>();
    };
    Figures takes;
    Figures settles;
    int failures = 0;
    for (int i = 0; i <= count; ++i) {
        const QString attemptId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        SerialLedger::Claim claim;
        QElapsedTimer timer;
        timer.start();
        failures += ledger
                        .take(QStringLiteral("bench"), QStringLiteral("counter:0:99999999"),
                              100000000, valueAt, SerialLedger::Holder::ofThisProcess(attemptId),
                              SerialLedger::kDefaultStaleLimit, &claim)
                        .has_value();
        const double took = elapsedMs(timer);
        timer.start();
        failures +=
            ledger
                .settle(QStringLiteral("bench"), claim.value, attemptId, SerialLedger::State::Used)
                .has_value();
        // The first take opened the store and created the schema: not what an attempt pays.
        if (i > 0) {
            takes.values.append(took);
            settles.values.append(elapsedMs(timer));
        }
    }
    out << "row=take backend=" << backend << " takes=" << count << " failures=" << failures
        << QStringLiteral(" take_median_ms=%1 take_worst_ms=%2 settle_median_ms=%3 "
                          "settle_worst_ms=%4")
               .arg(takes.median(), 0, 'f', 2)
               .arg(takes.worst(), 0, 'f', 2)
               .arg(settles.median(), 0, 'f', 2)
               .arg(settles.worst(), 0, 'f', 2)
        << Qt::endl;
}

struct Burst
{
    Figures durations;
    double wallS = 0;
    int finished = 0;
    int saved = 0;
    // The outcome words and messages of uploads that did not finish.
    QStringList failures;
};

Burst burst(const QStringList &ports, const QString &cli, const QString &hex, const QString &url,
            const QString &dataHome)
{
    Burst result;
    std::vector<std::unique_ptr<QProcess>> processes;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FWU_TIME_SCALE"), QStringLiteral("0.02"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dataHome + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    QElapsedTimer wall;
    wall.start();
    for (const QString &port : ports) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(env);
        process->start(cli, {QStringLiteral("--json"), QStringLiteral("--history"), url,
                             QStringLiteral("--address"), QStringLiteral("127.0.0.1"),
                             QStringLiteral("--port"), port, hex});
        processes.push_back(std::move(process));
    }
    for (const auto &process : processes) {
        process->waitForFinished(kWaitMs);
        const QList<QByteArray> lines = process->readAllStandardOutput().trimmed().split('\n');
        const QJsonObject json = QJsonDocument::fromJson(lines.last()).object();
        result.durations.values.append(json.value(QStringLiteral("duration_s")).toDouble() * 1000);
        const bool finished = json.value(QStringLiteral("exit_code")).toInt(-1) == 0;
        result.finished += finished;
        if (!finished)
            result.failures.append(json.value(QStringLiteral("outcome")).toString() +
                                   QLatin1Char(':') +
                                   json.value(QStringLiteral("message")).toString());
        result.saved += json.value(QStringLiteral("history_saved")).toBool();
    }
    result.wallS = elapsedMs(wall) / 1000;
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    if (args.size() < 3) {
        out << "usage: fwbench-history CLI UNIT-SIM HEXGEN [--writes N] [--units N] [--runs N]\n";
        return 2;
    }
    const auto option = [&args](const QString &name, int fallback) {
        const qsizetype at = args.indexOf(name);
        return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
    };
    const QString cli = args[0], sim = args[1], hexgen = args[2];
    const int writes = option(QStringLiteral("--writes"), 200);
    const int units = option(QStringLiteral("--units"), 32);
    const int runs = option(QStringLiteral("--runs"), 3);

    QTemporaryDir scratch;
    PostgresServer postgres;
    const QString problem = postgres.start();
    if (!scratch.isValid() || !problem.isEmpty()) {
        out << "error=" << problem << Qt::endl;
        return 1;
    }
    QString error;
    const QString sqlite =
        QStringLiteral("sqlite://") + scratch.filePath(QStringLiteral("w.sqlite"));
    const Figures floor = durableWrites(scratch.filePath(QStringLiteral("floor.bin")), writes);
    out << QStringLiteral("row=floor writes=%1 median_ms=%2 worst_ms=%3")
               .arg(writes)
               .arg(floor.median(), 0, 'f', 2)
               .arg(floor.worst(), 0, 'f', 2)
        << Qt::endl;
    printWrites(out, QStringLiteral("sqlite"), sqlite, writes);
    printWrites(out, QStringLiteral("postgresql"),
                postgres.createDatabase(QStringLiteral("w"), &error), writes);
    printTakes(out, QStringLiteral("sqlite"),
               QStringLiteral("sqlite://") + scratch.filePath(QStringLiteral("t.sqlite")), writes);
    printTakes(out, QStringLiteral("postgresql"),
               postgres.createDatabase(QStringLiteral("t"), &error), writes);

    const QString hex = scratch.filePath(QStringLiteral("unit.hex"));
    QProcess::execute(hexgen, {hex, QStringLiteral("--records"), QStringLiteral("512")});
    std::vector<std::unique_ptr<QProcess>> sims;
    QStringList ports;
    for (int i = 0; i < units; ++i) {
        auto process = std::make_unique<QProcess>();
        process->start(sim, {QStringLiteral("--port"), QStringLiteral("0")});
        process->waitForReadyRead(kWaitMs);
        static const QRegularExpression pattern(QStringLiteral("127\\.0\\.0\\.1:(\\d+)"));
        ports.append(pattern.match(QString::fromLatin1(process->readLine())).captured(1));
        sims.push_back(std::move(process));
    }
    const QStringList kinds{QStringLiteral("off"), QStringLiteral("sqlite"),
                            QStringLiteral("postgresql")};
    QMap<QString, Burst> totals;
    for (int run = 0; run < runs; ++run) {
        for (const QString &kind : kinds) {
            const QString url =
                kind == QLatin1String("off") ? kind
                : kind == QLatin1String("sqlite")
                    ? QStringLiteral("sqlite://") +
                          scratch.filePath(QStringLiteral("b%1.sqlite").arg(run))
                    : postgres.createDatabase(QStringLiteral("b%1").arg(run), &error);
            const Burst one = burst(ports, cli, hex, url, scratch.path());
            Burst &total = totals[kind];
            total.durations.values += one.durations.values;
            total.wallS = std::max(total.wallS, one.wallS);
            total.finished += one.finished;
            total.saved += one.saved;
            total.failures += one.failures;
        }
    }
    for (const QString &kind : kinds) {
        const Burst &total = totals[kind];
        out << QStringLiteral("row=burst history=%1 units=%2 runs=%3 finished=%4 saved=%5 "
                              "duration_median_ms=%6 duration_worst_ms=%7 wall_worst_s=%8")
                   .arg(kind)
                   .arg(units)
                   .arg(runs)
                   .arg(total.finished)
                   .arg(total.saved)
                   .arg(total.durations.median(), 0, 'f', 0)
                   .arg(total.durations.worst(), 0, 'f', 0)
                   .arg(total.wallS, 0, 'f', 2)
            << Qt::endl;
        for (const QString &failure : total.failures)
            out << "failure history=" << kind << ' ' << failure << Qt::endl;
    }
    for (const auto &process : sims) {
        process->kill();
        process->waitForFinished();
    }
    return 0;
}
