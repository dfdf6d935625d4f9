#include "SignatureStatus.h"

#include "firmware/FirmwareFile.h"
#include "firmware/TrustedKeySettings.h"
#include "platform/CoreText.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"
#include "upload/UploadView.h"

SignatureStatus::SignatureStatus(const QString &title, SettingsStore &settings, UploadView &view)
    : m_title(title), m_settings(settings), m_view(view)
{}

void SignatureStatus::guard(UploadEngine &engine)
{
    engine.setFirmwareGate([this, &engine](const QByteArray &content) {
        return refusal(engine.state().FirmwarePath, content);
    });
}

std::optional<QString> SignatureStatus::refusal(const QString &path, const QByteArray &content)
{
    const TrustedKeySettings trusted = TrustedKeySettings::load(m_title, m_settings);
    m_lastPath = path;
    m_last.reset();
    if (!trusted.checksSignatures())
        return std::nullopt;
    m_last = SignatureCheck::verifyFile(content, SignatureCheck::defaultSignaturePath(path),
                                        trusted.keys);
    if (m_last->isValid() || !trusted.requireSigned)
        return std::nullopt;
    // Left untranslated: the engine reports it as the attempt's failure, which the flash
    // history keeps.
    return CoreText::english("Only signed firmware is flashed here: %1").arg(m_last->problem());
}

std::optional<QString> SignatureStatus::check(const QString &path)
{
    FirmwareFile file;
    QString error;
    // A file that cannot be read is the engine's to report when it starts.
    const QByteArray content = file.open(path, &error) ? file.content() : QByteArray();
    const std::optional<QString> refused = refusal(path, content);
    if (!m_last || refused)
        return refused;
    ActivityLog &log = m_view.activityLog();
    log.append(m_last->isValid()
                   ? m_last->describe()
                   : tr("Not signed by a trusted key: %1").arg(CoreText::shown(m_last->problem())));
    log.ScrollLog();
    return std::nullopt;
}

QStringList SignatureStatus::describe(const QString &path) const
{
    if (!m_last || path.isEmpty() || path != m_lastPath)
        return {};
    if (!m_last->isValid())
        return {tr("Signature: not valid: %1").arg(CoreText::shown(m_last->problem()))};
    return {tr("Signature: key %1, trusted comment: %2")
                .arg(m_last->keyId(), m_last->trustedComment())};
}
