#pragma once

#include "firmware/FirmwareSummary.h"
#include "history/HistoryLocation.h"
#include "upload/UploadOutcome.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class AttemptRecorder;
class SignatureCheck;
class HistoryDialog;
class HistoryStore;
class QMenu;
class QWidget;
class SettingsStore;
class UploadEngine;
class UploadView;

// Writes one row of the flash history for each attempt of the window, loop passes included, and
// keeps the window's choice of history (File > History > Database...). A row that cannot be
// written is reported in the log; the attempt's outcome stands.
class WindowHistory : public QObject
{
    Q_OBJECT

public:
    // Asks for the history URL, showing the present one; nullopt when the operator cancels.
    using AskDatabase = std::function<std::optional<QString>(const QString &current)>;

    WindowHistory(const QString &title, const QString &version, AttemptRecorder &recorder,
                  UploadEngine &engine, UploadView &view, SettingsStore &settings,
                  QObject *parent = nullptr);
    ~WindowHistory() override;

    // The window's setting; empty: FWU_HISTORY, else the default file.
    QString databaseSetting() const;
    // Checks and keeps the setting (empty to clear it); the reason when it is refused.
    std::optional<QString> setDatabaseSetting(const QString &url);
    HistoryLocation location() const;

    // File > History > Database...
    void addMenu(QMenu *fileMenu, QWidget *dialogParent);
    void setAskDatabase(AskDatabase ask) { m_ask = std::move(ask); }
    // File > History > Show...: the dialog, made when first asked for.
    HistoryDialog *showDialog(QWidget *dialogParent);

    // What the row says of the firmware's signature: the verdict on the bytes sent, if any.
    using SignatureSource = std::function<const SignatureCheck *(const QString &path)>;
    void setSignatureSource(SignatureSource source) { m_signatureSource = std::move(source); }

private:
    void onStarted();
    void onEnded(UploadOutcome outcome);
    std::optional<FirmwareSummary> firmwareSent();
    void chooseDatabase(QWidget *dialogParent);

    QString m_title;
    QString m_version;
    UploadEngine &m_engine;
    UploadView &m_view;
    SettingsStore &m_settings;
    std::unique_ptr<HistoryStore> m_store;
    AskDatabase m_ask;
    SignatureSource m_signatureSource;

    QDateTime m_started;
    QString m_address;
    QString m_port;
    QString m_path;
    QString m_lastLogLine;
};
