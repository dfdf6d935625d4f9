#include "WindowHistory.h"

#include "AttemptRecorder.h"
#include "HistoryDialog.h"
#include "firmware/FirmwareSummary.h"
#include "firmware/SignatureCheck.h"
#include "history/HistoryStore.h"
#include "history/HistoryWorker.h"
#include "platform/CoreText.h"
#include "platform/SettingsStore.h"
#include "upload/ActivityLog.h"
#include "upload/AttemptOutcome.h"
#include "upload/UploadEngine.h"
#include "upload/UploadView.h"

#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

using namespace std::chrono_literals;

namespace {

const QString kSection = QStringLiteral("History");
const QString kKey = QStringLiteral("Database");

// A row normally answers within the store's own limits (an SQLite lock's time-out, a server's
// statement time-out); past them with a little to spare, the database has stopped answering.
constexpr std::chrono::milliseconds kSlowDatabase =
    std::chrono::milliseconds(HistoryStore::kBusyTimeoutMs) + 1s;

} // namespace

WindowHistory::WindowHistory(const QString &title, const QString &version,
                             AttemptRecorder &recorder, UploadEngine &engine, UploadView &view,
                             SettingsStore &settings, QObject *parent)
    : QObject(parent), m_title(title), m_version(version), m_engine(engine), m_view(view),
      m_settings(settings), m_worker(new HistoryWorker(this))
{
    // Closing the window still writes the rows of its last attempts, within the store's limits.
    m_worker->setShutdownWait(kSlowDatabase);
    connect(m_worker, &HistoryWorker::appended, this,
            [this](quint64, const std::optional<QString> &problem) { onAppended(problem); });
    m_slowDatabase.setSingleShot(true);
    m_slowDatabase.setInterval(kSlowDatabase);
    connect(&m_slowDatabase, &QTimer::timeout, this, [this] {
        logLine(tr("The flash history does not answer; the attempt is written when it does."));
    });
    connect(&recorder, &AttemptRecorder::started, this, &WindowHistory::onStarted);
    connect(&recorder, &AttemptRecorder::ended, this, &WindowHistory::onEnded);
    connect(&view.activityLog(), &ActivityLog::lineAppended, this, [this](const QString &line) {
        if (!m_loggingOwnLine && !line.trimmed().isEmpty())
            m_lastLogLine = line;
    });
    m_ask = [](const QString &current) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(
            nullptr, tr("Flash history"),
            tr("Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;\n"
               "empty for the default):"),
            QLineEdit::Normal, current, &ok);
        return ok ? std::optional<QString>(text.trimmed()) : std::nullopt;
    };
}

WindowHistory::~WindowHistory() = default;

QString WindowHistory::databaseSetting() const
{
    return m_settings.read(m_title, kSection, kKey, QString());
}

std::optional<QString> WindowHistory::setDatabaseSetting(const QString &url)
{
    const HistoryLocation parsed = HistoryLocation::parse(url);
    if (!url.isEmpty() && parsed.kind() == HistoryLocation::Kind::Invalid)
        return parsed.error();
    // The settings file is readable by others; libpq reads a password from a file of the user's
    // own that it refuses to use unless only the user can read it.
    if (!url.isEmpty() && !parsed.password().isEmpty())
        return tr("A password is not kept in the window's settings. Leave it out of the URL and "
                  "put it in ~/.pgpass (a line host:port:database:user:password, the file with "
                  "mode 0600), where the database client finds it.");
    if (!m_settings.write(m_title, kSection, kKey, url))
        return tr("the setting could not be saved");
    return std::nullopt;
}

HistoryLocation WindowHistory::location() const
{
    const QString setting = databaseSetting();
    return HistoryLocation::resolve(setting.isEmpty() ? std::nullopt
                                                      : std::optional<QString>(setting));
}

void WindowHistory::addMenu(QMenu *fileMenu, QWidget *dialogParent)
{
    QMenu *history = new QMenu(tr("&History"), fileMenu);
    history->setObjectName(QStringLiteral("mnuFileHistory"));
    QAction *show = history->addAction(tr("&Show\u2026"));
    show->setObjectName(QStringLiteral("mnuFileHistoryShow"));
    connect(show, &QAction::triggered, this, [this, dialogParent] { showDialog(dialogParent); });
    QAction *database = history->addAction(tr("&Database\u2026"));
    database->setObjectName(QStringLiteral("mnuFileHistoryDatabase"));
    connect(database, &QAction::triggered, this,
            [this, dialogParent] { chooseDatabase(dialogParent); });
    // Above the separator before Exit.
    const QList<QAction *> actions = fileMenu->actions();
    QAction *before = actions.size() >= 2 ? actions.at(actions.size() - 2) : nullptr;
    fileMenu->insertMenu(before, history);
}

HistoryDialog *WindowHistory::showDialog(QWidget *dialogParent)
{
    // A new dialog each time: the database may have been changed since.
    auto *dialog = new HistoryDialog(location(), dialogParent);
    dialog->setObjectName(QStringLiteral("historyDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->refresh();
    dialog->show();
    return dialog;
}

void WindowHistory::chooseDatabase(QWidget *dialogParent)
{
    const std::optional<QString> answer = m_ask(databaseSetting());
    if (!answer)
        return;
    if (const std::optional<QString> problem = setDatabaseSetting(*answer))
        QMessageBox::warning(dialogParent, tr("Flash history"), CoreText::shown(*problem));
}

void WindowHistory::onStarted()
{
    m_started = QDateTime::currentDateTime();
    m_address = m_view.ethernetAddress();
    m_port = m_view.ethernetPort();
    m_path = m_engine.state().FirmwarePath;
    m_lastLogLine.clear();
}

// The bytes the transfer sent; an attempt that never got that far names the chosen file. Read
// only when the row is written, so an attempt's start costs no read and hash of the file.
std::optional<FirmwareSummary> WindowHistory::firmwareSent()
{
    if (!m_engine.firmwareSnapshot().isNull()) {
        m_path = m_engine.firmwareSnapshotPath();
        return FirmwareSummary::fromContent(m_engine.firmwareSnapshot());
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return FirmwareSummary::fromContent(file.readAll());
}

void WindowHistory::onEnded(UploadOutcome outcome)
{
    if (!m_started.isValid())
        return;
    const HistoryLocation history = location();
    if (history.isOff()) {
        m_started = QDateTime();
        return;
    }
    const std::optional<FirmwareSummary> firmware = firmwareSent();
    HistoryRecord record;
    record.started = m_started;
    record.ended = QDateTime::currentDateTime();
    record.setOrigin(QStringLiteral("firmware-uploader"), m_version);
    record.title = m_title;
    record.address = m_address;
    record.setPort(m_port);
    record.firmwarePath = m_path;
    if (firmware) {
        record.firmwareSize = firmware->sizeBytes;
        record.records = firmware->records;
        record.firmwareSha256 = QString::fromLatin1(firmware->sha256);
    }
    if (const SignatureCheck *signature = m_signatureSource ? m_signatureSource(m_path) : nullptr;
        signature && signature->isValid()) {
        record.signatureKeyId = signature->keyId();
        record.signatureComment = signature->trustedComment();
    }
    // The window counts no records; a finished upload sent them all.
    if (outcome == UploadOutcome::Finished && firmware)
        record.recordsSent = firmware->records;
    const AttemptOutcome attemptOutcome = AttemptOutcome::fromUpload(outcome);
    record.outcome = attemptOutcome.word();
    record.exitCode = attemptOutcome.exitCode();
    // Why it failed, as the engine says it (the unit's own refusal, a signature that does not
    // verify), not whatever the log said last while it closed the connection.
    const QString reason = m_engine.failureReason();
    record.message =
        outcome != UploadOutcome::Finished && !reason.isEmpty() ? reason : m_lastLogLine;
    m_started = QDateTime();
    m_worker->append(history, record);
    if (!m_slowDatabase.isActive())
        m_slowDatabase.start();
}

void WindowHistory::onAppended(const std::optional<QString> &problem)
{
    // The next row in the queue has its own time from now.
    if (m_worker->pending() > 0)
        m_slowDatabase.start();
    else
        m_slowDatabase.stop();
    if (problem)
        logLine(CoreText::english("The attempt is not in the flash history: %1").arg(*problem));
}

// An answer may come during the next attempt, whose row must not take it for its last word.
void WindowHistory::logLine(const QString &line)
{
    m_loggingOwnLine = true;
    m_view.activityLog().append(line);
    m_loggingOwnLine = false;
}
