// One uploader's share of a busy pool, in a process of its own: takes COUNT numbers of POOL
// (values N-1000, N-1001, ...) and ends each used, burnt or returned in turn, holding two at a
// time. Prints "VALUE STATE" for each number it ends; any refusal or failure ends it with 1.
//
//   serial-taker HISTORY_URL POOL COUNT

#include "history/HistoryStore.h"
#include "history/SerialLedger.h"

#include <QCoreApplication>
#include <QUuid>

#include <cstdio>

namespace {

struct Held
{
    QString value;
    QString attemptId;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4)
        return 4;
    HistoryStore store(HistoryLocation::parse(arguments.at(1)));
    SerialLedger ledger(store);
    const QString pool = arguments.at(2);
    const int count = arguments.at(3).toInt();
    const SerialLedger::ValueAt valueAt = [](qint64 index, QString *value) {
        *value = QStringLiteral("N-%1").arg(1000 + index);
        return std::optional<QString>();
    };
    const SerialLedger::State pattern[] = {SerialLedger::State::Used, SerialLedger::State::Burnt,
                                           SerialLedger::State::Returned};
    QList<Held> held;
    int settled = 0;
    const auto fail = [](const QString &problem) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    };
    for (int i = 0; i < count + 2; ++i) {
        if (i < count) {
            const QString attemptId = QUuid::createUuid().toString(QUuid::WithoutBraces);
            SerialLedger::Claim claim;
            if (std::optional<QString> problem =
                    ledger.take(pool, QStringLiteral("counter:1000:1999"), 1000, valueAt,
                                SerialLedger::Holder::ofThisProcess(attemptId),
                                SerialLedger::kDefaultStaleLimit, &claim))
                return fail(*problem);
            held.append({claim.value, attemptId});
        }
        if (held.size() > 2 || (i >= count && !held.isEmpty())) {
            const Held oldest = held.takeFirst();
            const SerialLedger::State state = pattern[settled++ % 3];
            if (std::optional<QString> problem =
                    ledger.settle(pool, oldest.value, oldest.attemptId, state))
                return fail(*problem);
            std::printf("%s %s\n", qPrintable(oldest.value), qPrintable(SerialLedger::word(state)));
        }
    }
    return 0;
}
