// firmware-uploader-history: which firmware went into which unit, when, from where and how it
// ended, read from the flash history.

#include "HistoryPrinter.h"
#include "HistoryToolOptions.h"
#include "ProgramNotice.h"
#include "history/HistoryStore.h"
#include "history/SerialLedger.h"
#include "platform/CoreText.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <cstdlib>

#include <cstdio>

namespace {

constexpr int kExitDone = 0;
// A bad option ends every program of the package with 4; a history that cannot be read with 2.
constexpr int kExitBadOption = 4;
constexpr int kExitBad = 2;

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

void complain(const QString &text)
{
    print(stderr, QLatin1String(HistoryToolOptions::kProgramName) + QStringLiteral(": ") + text +
                      QLatin1Char('\n'));
}

struct Reading
{
    QString out;
    QString err;
    int code = kExitDone;
};

// The history's problems are made in English, for the rows and the scripts that read them.
Reading failed(const QString &problem)
{
    return {QString(), CoreText::shown(problem), kExitBad};
}

Reading read(const HistoryToolOptions &options, const HistoryLocation &location)
{
    HistoryStore store(location);
    const HistoryPrinter printer(options.format);
    if (options.action == HistoryToolOptions::Action::Events) {
        QList<QVariantList> events;
        if (const std::optional<QString> problem =
                store.selectEvents(options.filter.limit, &events))
            return failed(*problem);
        if (events.isEmpty())
            return {QString(), QCoreApplication::translate("main", "no station events"), kExitDone};
        return {printer.events(events), QString(), kExitDone};
    }
    if (options.action == HistoryToolOptions::Action::Serials) {
        SerialLedger ledger(store);
        QList<QVariantList> numbers;
        if (const std::optional<QString> problem = ledger.select(options.pool, &numbers))
            return failed(*problem);
        if (numbers.isEmpty() && options.format != HistoryToolOptions::Format::Csv)
            return {QString(), QCoreApplication::translate("main", "no serial numbers"), kExitDone};
        return {printer.serials(numbers), QString(), kExitDone};
    }
    QList<HistoryRow> rows;
    std::optional<QString> problem = store.select(options.filter, &rows);
    qint64 matching = rows.size();
    // The table stops at its limit; it says how much more there is.
    if (!problem && options.filter.limit > 0 && rows.size() == options.filter.limit)
        problem = store.count(options.filter, &matching);
    if (problem)
        return failed(*problem);
    Reading reading;
    if (options.action == HistoryToolOptions::Action::Summary) {
        if (!rows.isEmpty())
            reading.out = printer.summary(HistorySummary::compute(rows, options.summaryBy),
                                          options.summaryBy);
    } else if (!rows.isEmpty() || options.format == HistoryToolOptions::Format::Csv) {
        reading.out = printer.rows(rows);
    }
    if (rows.isEmpty())
        reading.err = QCoreApplication::translate("main", "no attempts match");
    else if (matching > rows.size())
        reading.err =
            QCoreApplication::translate("main", "%1 of %2 attempts shown; --limit 0 shows all")
                .arg(rows.size())
                .arg(matching);
    return reading;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(HistoryToolOptions::kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(FWU_APP_VERSION));

    QStringList arguments = QCoreApplication::arguments();
    if (const QString problem = Language::setUp(&arguments); !problem.isEmpty()) {
        complain(problem);
        return kExitBadOption;
    }
    const HistoryToolOptions options = HistoryToolOptions::parse(arguments);
    switch (options.action) {
    case HistoryToolOptions::Action::ShowHelp:
        print(stdout, HistoryToolOptions::usage());
        return kExitDone;
    case HistoryToolOptions::Action::ShowVersion:
        print(stdout, QLatin1String(HistoryToolOptions::kProgramName) + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() +
                          QStringLiteral("\n" FWU_LICENCE_NOTICE "\n"));
        return kExitDone;
    case HistoryToolOptions::Action::Fail:
        complain(options.error +
                 QCoreApplication::translate("main", "\nRun \"%1 --help\" for the options.")
                     .arg(QLatin1String(HistoryToolOptions::kProgramName)));
        return kExitBadOption;
    case HistoryToolOptions::Action::List:
    case HistoryToolOptions::Action::Summary:
    case HistoryToolOptions::Action::Events:
    case HistoryToolOptions::Action::Serials:
        break;
    }

    const HistoryLocation location = HistoryLocation::resolve(options.history);
    if (location.isOff()) {
        complain(QCoreApplication::translate("main", "the history is off; give --history URL."));
        return kExitBad;
    }
    // The reading runs on a thread of its own, so that a server that stops answering after
    // the login costs a bounded wait and a clear exit, never a program that hangs.
    Reading reading;
    QThread *thread =
        QThread::create([&reading, &options, location] { reading = read(options, location); });
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(std::chrono::seconds(options.waitSeconds), &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
    if (!thread->isFinished()) {
        complain(QCoreApplication::translate("main", "no answer from the history at %1 within %2 s")
                     .arg(location.display())
                     .arg(options.waitSeconds));
        // The thread is still in the database driver: ending here leaves its objects alone.
        std::_Exit(kExitBad);
    }
    delete thread;
    print(stdout, reading.out);
    if (!reading.err.isEmpty())
        complain(reading.err);
    return reading.code;
}
