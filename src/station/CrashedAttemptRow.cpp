#include "CrashedAttemptRow.h"

#include "FirmwareSnapshot.h"
#include "StationUnit.h"
#include "history/HistoryStore.h"
#include "upload/AttemptOutcome.h"

#include <QThread>

#include <memory>

HistoryRecord CrashedAttemptRow::record(const StationUnit &unit, const FirmwareSnapshot &firmware,
                                        const QString &runId, int signalNumber)
{
    HistoryRecord record;
    record.runId = runId;
    record.started = unit.started;
    record.ended = unit.ended.isValid() ? unit.ended : QDateTime::currentDateTime();
    record.setOrigin(QStringLiteral("firmware-uploader-station"), QStringLiteral(FWU_APP_VERSION));
    record.title = unit.title.isEmpty() ? QStringLiteral(FWU_APP_TITLE) : unit.title;
    record.unitName = unit.name;
    record.address = unit.address;
    record.setPort(unit.port);
    record.firmwarePath = firmware.sourcePath();
    record.firmwareSize = firmware.summary().sizeBytes;
    record.firmwareSha256 = QString::fromLatin1(firmware.summary().sha256);
    record.records = firmware.summary().records;
    record.recordsSent = unit.recordsSent;
    if (firmware.signature() && firmware.signature()->isValid()) {
        record.signatureKeyId = firmware.signature()->keyId();
        record.signatureComment = firmware.signature()->trustedComment();
    }
    record.outcome = AttemptOutcome(AttemptOutcome::Crashed).word();
    record.exitCode = AttemptOutcome(AttemptOutcome::Crashed).exitCode();
    record.message = QStringLiteral("the uploader was ended by signal %1 before its result; %2 "
                                    "records sent as far as its progress showed.")
                         .arg(signalNumber)
                         .arg(unit.recordsSent);
    return record;
}

void CrashedAttemptRow::write(const HistoryLocation &location, const HistoryRecord &record,
                              QObject *context,
                              std::function<void(const std::optional<QString> &)> done)
{
    auto problem = std::make_shared<std::optional<QString>>();
    QThread *thread = QThread::create([location, record, problem] {
        HistoryStore store(location);
        *problem = store.append(record);
    });
    // Queued to context's thread, and dropped with context.
    QObject::connect(thread, &QThread::finished, context,
                     [problem, done = std::move(done)] { done(*problem); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}
