#include "StationEventLog.h"

#include "history/HistoryLocation.h"
#include "history/HistoryRecord.h"
#include "history/HistoryStore.h"
#include "history/HistoryWorker.h"
#include "history/StationEvent.h"
#include "platform/CoreText.h"

#include <QCoreApplication>
#include <QSysInfo>

StationEventLog::StationEventLog(QObject *parent)
    : QObject(parent), m_worker(new HistoryWorker(this))
{
    // A station that closes right after locking still gets the event into the record.
    m_worker->setShutdownWait(std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs + 1000));
    connect(m_worker, &HistoryWorker::appended, this,
            [this](quint64, const std::optional<QString> &failure) {
                if (failure)
                    Q_EMIT problem(tr("The station's event is not in the flash history: %1")
                                       .arg(CoreText::shown(*failure)));
            });
}

void StationEventLog::record(const HistoryLocation &location, const QString &event,
                             const QString &detail)
{
    if (location.isOff() || location.kind() == HistoryLocation::Kind::Invalid)
        return;
    StationEvent entry;
    entry.event = event;
    entry.detail = detail;
    entry.host = QSysInfo::machineHostName();
    entry.operatorName = m_operator.isEmpty() ? HistoryRecord::loginName() : m_operator;
    entry.program = QStringLiteral("firmware-uploader-station");
    entry.version = QCoreApplication::applicationVersion();
    entry.title = QStringLiteral(FWU_APP_TITLE);
    m_worker->appendEvent(location, entry);
}
