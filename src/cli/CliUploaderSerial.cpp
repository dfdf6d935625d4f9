// The command-line uploader's side of each unit's own value: taking it before an attempt,
// settling it after, and what the JSON and --check say of it.

#include "CliReport.h"
#include "CliUploader.h"
#include "platform/CoreText.h"
#include "upload/AttemptOutcome.h"
#include "upload/UploadEngine.h"

#include <QJsonArray>
#include <QJsonObject>

bool CliUploader::takeSerial(bool announce)
{
    if (!m_serial.isOn())
        return true;
    bool portIsNumber = false;
    const int port = m_view.ethernetPort().toInt(&portIsNumber);
    const CliSerial::Unit unit{m_history.attemptId(), m_options.unitName, m_view.ethernetAddress(),
                               portIsNumber ? std::optional<int>(port) : std::nullopt};
    QByteArray image;
    if (const std::optional<QString> refusal = m_serial.take(unit, &image)) {
        finish(AttemptOutcome::kExitBadInput, *refusal);
        return false;
    }
    m_engine->pinFirmware(image);
    m_engine->setKnownSoundContent(image);
    m_history.setSerial(m_serial.value(), m_serial.pool(), m_serial.imageSha256());
    if (announce)
        announceSerial();
    return true;
}

void CliUploader::announceSerial()
{
    if (m_serial.isOn())
        printLine(CoreText::english("Serial value %1 from pool \"%2\".")
                      .arg(m_serial.value(), m_serial.pool()));
}

void CliUploader::settleSerial(bool finished)
{
    if (const std::optional<QString> problem = m_serial.settle(finished, m_attemptRecords))
        m_report.message(CoreText::shown(*problem));
}

JsonLines::Fields CliUploader::serialFields(bool withState) const
{
    const auto textOrNull = [](const QString &text) {
        return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
    };
    JsonLines::Fields fields{{QStringLiteral("serial"), textOrNull(m_serial.value())}};
    if (withState)
        fields.append({QStringLiteral("serial_state"), textOrNull(m_serial.state())});
    return fields;
}

void CliUploader::printSerialPreview()
{
    const QJsonObject preview = m_serial.preview();
    const QString region = preview.value(QLatin1String("region")).toString();
    m_report.logLine(tr("Serial region: %1, format %2, pool \"%3\"")
                         .arg(region.isEmpty() ? tr("each hexlist record's own") : region,
                              preview.value(QLatin1String("format")).toString(),
                              preview.value(QLatin1String("pool")).toString()));
    if (const QString problem = preview.value(QLatin1String("problem")).toString();
        !problem.isEmpty())
        m_report.logLine(tr("Next value: cannot be told: %1").arg(CoreText::shown(problem)));
    else
        m_report.logLine(tr("Next value: %1").arg(preview.value(QLatin1String("next")).toString()));
    for (const QJsonValue line : preview.value(QLatin1String("records")).toArray())
        m_report.logLine(tr("Patched record: %1").arg(line.toString()));
}
