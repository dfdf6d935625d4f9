#pragma once

#include "firmware/SignatureCheck.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class SettingsStore;
class UploadEngine;
class UploadView;

// The window's side of signed firmware: a chosen file's signature status is shown at once, a
// file that is not signed by a trusted key is refused at once when the line flashes signed
// firmware only, and each attempt verifies again on the very bytes it is about to send. The
// trusted keys are read from the settings each time, so a change in the dialog applies at once.
class SignatureStatus
{
    Q_DECLARE_TR_FUNCTIONS(SignatureStatus)

public:
    SignatureStatus(const QString &title, SettingsStore &settings, UploadView &view);

    // Lets the engine refuse an image whose bytes this status does not accept.
    void guard(UploadEngine &engine);
    // Logs the signature status of a file about to be chosen; the reason when it must not be.
    std::optional<QString> check(const QString &path);
    // The verdict on the bytes the last attempt checked, when it was for this path.
    const SignatureCheck *lastVerdict(const QString &path) const
    {
        return m_last && !path.isEmpty() && path == m_lastPath ? &*m_last : nullptr;
    }
    // A line for the file label's tooltip and the saved log's header; empty without keys.
    QStringList describe(const QString &path) const;

private:
    // Checks the bytes; the reason to refuse them, if the line flashes signed firmware only.
    std::optional<QString> refusal(const QString &path, const QByteArray &content);

    QString m_title;
    SettingsStore &m_settings;
    UploadView &m_view;
    // The last verdict and the file it was for: what the log header reports.
    QString m_lastPath;
    std::optional<SignatureCheck> m_last;
};
