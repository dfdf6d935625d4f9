#include "WindowHistory.h"

#include "AttemptRecorder.h"
#include "HistoryDialog.h"
#include "firmware/FirmwareSummary.h"
#include "firmware/SignatureCheck.h"
#include "history/HistoryStore.h"
#include "platform/SettingsStore.h"
#include "upload/ActivityLog.h"
#include "upload/AttemptOutcome.h"
#include "upload/UploadEngine.h"
#include "upload/UploadView.h"

#include <QFile>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

const QString kSection = QStringLiteral("History");
const QString kKey = QStringLiteral("Database");

} // namespace

WindowHistory::WindowHistory(const QString &title, const QString &version,
                             AttemptRecorder &recorder, UploadEngine &engine, UploadView &view,
                             SettingsStore &settings, QObject *parent)
    : QObject(parent), m_title(title), m_version(version), m_engine(engine), m_view(view),
      m_settings(settings)
{
    connect(&recorder, &AttemptRecorder::started, this, &WindowHistory::onStarted);
    connect(&recorder, &AttemptRecorder::ended, this, &WindowHistory::onEnded);
    connect(&view.activityLog(), &ActivityLog::lineAppended, this, [this](const QString &line) {
        if (!line.trimmed().isEmpty())
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
    if (!url.isEmpty() && HistoryLocation::parse(url).kind() == HistoryLocation::Kind::Invalid)
        return HistoryLocation::parse(url).error();
    if (!m_settings.write(m_title, kSection, kKey, url))
        return tr("the setting could not be saved");
    m_store.reset();
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
        QMessageBox::warning(dialogParent, tr("Flash history"), *problem);
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
    if (!m_store || m_store->location().display() != location().display())
        m_store = std::make_unique<HistoryStore>(location());
    if (m_store->location().isOff())
        return;
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
    record.message = m_lastLogLine;
    m_started = QDateTime();
    if (const std::optional<QString> problem = m_store->append(record))
        m_view.activityLog().append(
            tr("The attempt is not in the flash history: %1").arg(*problem));
}
