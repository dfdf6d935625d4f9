#include "CliSerial.h"

#include "CliOptions.h"
#include "FirmwareInspection.h"
#include "firmware/FirmwareSignature.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"
#include "history/SerialLedger.h"
#include "platform/CoreText.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QThread>

namespace {

// Tries to settle a value again on a new connection, and the pause between them.
constexpr int kSettleRetries = 3;
constexpr std::chrono::milliseconds kSettleRetryPause{300};

// Far above any signature file; a larger one is no signature.
constexpr qint64 kMaxSignatureFileSize = 64 * 1024;

} // namespace

CliSerial::CliSerial(const CliOptions &options) : m_options(options), m_on(options.usesSerials())
{
    m_pool = options.serialPool.isEmpty() ? options.title : options.serialPool;
}

CliSerial::~CliSerial() = default;

std::optional<QString> CliSerial::prepare(const FirmwareInspection &firmware)
{
    if (!m_on)
        return std::nullopt;
    m_content = firmware.content();
    QString problem;
    const QString formatName =
        m_options.serialFormat.isEmpty() ? QStringLiteral("le") : m_options.serialFormat;
    const std::optional<SerialFormat> format = SerialFormat::parse(formatName, &problem);
    if (!format)
        return CoreText::english("--serial-format: %1").arg(problem);
    m_format = *format;
    if (!m_options.serialAt.isEmpty()) {
        m_region = SerialRegion::parse(m_options.serialAt, &problem);
        if (!m_region)
            return CoreText::english("--serial-at: %1").arg(problem);
    }
    if (const std::optional<QString> refusal = prepareSource())
        return refusal;
    if (const std::optional<QString> refusal = checkSignedRegions(firmware))
        return refusal;
    // The region a counter, a list or a label fills is known now: an image that cannot carry
    // it is refused before any unit is contacted.
    if (m_region && !(m_source && m_source->kind() == SerialSource::Kind::HexList) &&
        !patchFor(*m_region, &problem))
        return problem;
    return openLedger();
}

std::optional<QString> CliSerial::prepareSource()
{
    QString problem;
    if (m_options.serial) {
        m_single = m_format.fromText(*m_options.serial, m_region ? m_region->length : 0, &problem);
        if (!m_single)
            return CoreText::english("--serial: %1").arg(problem);
        return std::nullopt;
    }
    m_source = SerialSource::parse(m_options.serialFrom, &problem);
    if (!m_source || !m_source->check(m_format, m_region, &problem))
        return CoreText::english("--serial-from: %1").arg(problem);
    if (HistoryLocation::resolve(m_options.history).isOff())
        return CoreText::english(
            "--serial-from takes its values from a pool in the flash history, and the "
            "history is off: give --history, or one value with --serial.");
    return std::nullopt;
}

// A signed image may be patched only where its signer said: the signature was verified on the
// file's own bytes, and a patch anywhere else would change bytes the signer vouched for.
std::optional<QString> CliSerial::checkSignedRegions(const FirmwareInspection &firmware)
{
    if (firmware.signature() && firmware.signature()->isValid()) {
        m_signed =
            SignedRegions::fromTrustedComment(firmware.signature()->trustedComment().toUtf8());
    } else if (QFileInfo(m_options.signaturePath).isFile()) {
        QFile file(m_options.signaturePath);
        QString problem;
        std::optional<FirmwareSignature> signature;
        if (file.size() <= kMaxSignatureFileSize && file.open(QIODevice::ReadOnly))
            signature = FirmwareSignature::parse(file.read(kMaxSignatureFileSize), &problem);
        if (!signature)
            return CoreText::english(
                       "The image has a signature file that cannot be read (%1): where the "
                       "signer allows per-unit data cannot be told.")
                .arg(m_options.signaturePath);
        m_signed = SignedRegions::fromTrustedComment(signature->trustedComment());
    }
    if (!m_signed)
        return std::nullopt;
    QList<SerialRegion> regions;
    if (m_region)
        regions.append(*m_region);
    if (m_source && m_source->kind() == SerialSource::Kind::HexList) {
        for (qint64 index = 0; index < m_source->size(); ++index) {
            QString problem;
            if (const std::optional<SerialRegion> region =
                    m_source->regionAt(index, m_region, &problem))
                regions.append(*region);
        }
    }
    for (const SerialRegion &region : std::as_const(regions)) {
        if (!m_signed->allows(region))
            return CoreText::english(
                       "The signed image allows per-unit data only in %1; %2 is outside.")
                .arg(m_signed->describe(), region.text());
    }
    return std::nullopt;
}

std::optional<QString> CliSerial::openLedger()
{
    const HistoryLocation location = HistoryLocation::resolve(m_options.history);
    // One value for one unit needs no pool, but where there is a history it is kept there so
    // that a value that already finished is refused.
    if (location.isOff())
        return std::nullopt;
    m_store = std::make_unique<HistoryStore>(location);
    const HistoryStore::Access access =
        m_options.checkOnly ? HistoryStore::Access::Read : HistoryStore::Access::Write;
    if (const std::optional<QString> problem = m_store->open(access)) {
        m_store.reset();
        if (m_options.checkOnly)
            return std::nullopt;
        return CoreText::english("The pool of values cannot be reached: %1").arg(*problem);
    }
    m_ledger = std::make_unique<SerialLedger>(*m_store);
    return std::nullopt;
}

std::optional<SerialValue> CliSerial::valueAt(qint64 index, QString *problem) const
{
    return m_source->valueAt(index, m_format, m_region ? m_region->length : 0, problem);
}

qint64 CliSerial::poolSize() const
{
    return m_source->sizeFor(m_format, m_region ? m_region->length : 0);
}

// The pool's view of the source: the text of the value at an index, or why there is none.
SerialLedger::ValueAt CliSerial::valueTexts() const
{
    return [this](qint64 index, QString *value) -> std::optional<QString> {
        QString why;
        const std::optional<SerialValue> found = valueAt(index, &why);
        if (!found)
            return why;
        *value = found->text;
        return std::nullopt;
    };
}

const ImagePatch *CliSerial::patchFor(const SerialRegion &region, QString *problem)
{
    const QString key = region.text();
    if (const auto found = m_patches.constFind(key); found != m_patches.constEnd())
        return &found.value();
    std::optional<ImagePatch> patch = ImagePatch::make(m_content, region, problem);
    if (!patch)
        return nullptr;
    return &m_patches.insert(key, std::move(*patch)).value();
}

std::optional<QString> CliSerial::nextValue(const Unit &unit, SerialValue *value,
                                            SerialRegion *region)
{
    SerialLedger::Holder holder = SerialLedger::Holder::ofThisProcess(unit.attemptId);
    holder.unitName = unit.name;
    holder.address = unit.address;
    holder.port = unit.port;
    const auto staleLimit =
        std::chrono::duration_cast<std::chrono::milliseconds>(m_options.serialStaleAfter);
    SerialLedger::Claim claim;
    QString problem;
    if (m_single) {
        *value = *m_single;
        *region = *m_region;
        if (m_ledger)
            return m_ledger->claim(m_pool, value->text, holder, staleLimit, &claim);
        return std::nullopt;
    }
    if (const std::optional<QString> refusal = m_ledger->take(
            m_pool, m_source->identity(), poolSize(), valueTexts(), holder, staleLimit, &claim))
        return refusal;
    const std::optional<SerialValue> taken =
        claim.index ? valueAt(*claim.index, &problem) : std::nullopt;
    const std::optional<SerialRegion> where =
        claim.index ? m_source->regionAt(*claim.index, m_region, &problem) : std::nullopt;
    if (!taken || !where || taken->text != claim.value) {
        // Not this source's value: hand it back as it was never sent.
        m_ledger->settle(m_pool, claim.value, unit.attemptId, SerialLedger::State::Returned);
        return problem.isEmpty()
                   ? CoreText::english("The pool \"%1\" handed out \"%2\", which its source does "
                                       "not hold.")
                         .arg(m_pool, claim.value)
                   : problem;
    }
    *value = *taken;
    *region = *where;
    return std::nullopt;
}

std::optional<QString> CliSerial::take(const Unit &unit, QByteArray *image)
{
    if (!m_on)
        return std::nullopt;
    SerialValue value;
    SerialRegion region;
    if (const std::optional<QString> refusal = nextValue(unit, &value, &region))
        return refusal;
    m_attemptId = unit.attemptId;
    m_value = value;
    m_state = QStringLiteral("allocated");
    QString problem;
    const ImagePatch *patch = patchFor(region, &problem);
    if (patch)
        *image = patch->apply(m_content, value.bytes);
    if (!patch || image->isEmpty()) {
        settle(false, 0);
        return problem.isEmpty() ? CoreText::english("The value \"%1\" does not fit %2.")
                                       .arg(value.text, region.text())
                                 : problem;
    }
    m_firstSentRecord = patch->firstSentRecord();
    m_imageSha256 =
        QString::fromLatin1(QCryptographicHash::hash(*image, QCryptographicHash::Sha256).toHex());
    return std::nullopt;
}

std::optional<QString> CliSerial::settle(bool finished, qint64 recordsSent)
{
    if (m_state != QLatin1String("allocated"))
        return std::nullopt;
    SerialLedger::State state = SerialLedger::State::Returned;
    if (finished)
        state = SerialLedger::State::Used;
    else if (recordsSent >= m_firstSentRecord && m_firstSentRecord > 0)
        state = SerialLedger::State::Burnt;
    m_state = SerialLedger::word(state);
    if (!m_ledger)
        return std::nullopt;
    std::optional<QString> problem = m_ledger->settle(m_pool, m_value.text, m_attemptId, state);
    // A connection that broke during a long upload (a server restarted) is made again, a few
    // times over a moment: the value would otherwise stay allocated and be burnt later,
    // although the pool could know better.
    for (int retry = 0; problem && !m_ledger->refused() && retry < kSettleRetries; ++retry) {
        if (retry > 0)
            QThread::msleep(static_cast<unsigned long>(kSettleRetryPause.count()));
        m_store->close();
        if (const std::optional<QString> reopened = m_store->open(HistoryStore::Access::Write))
            problem = reopened;
        else
            problem = m_ledger->settle(m_pool, m_value.text, m_attemptId, state);
    }
    if (problem)
        return CoreText::english("The pool could not be told that %1 is %2: %3")
            .arg(m_value.text, m_state, *problem);
    return std::nullopt;
}

QJsonObject CliSerial::preview()
{
    QJsonObject preview{{QStringLiteral("region"),
                         m_region ? QJsonValue(m_region->text()) : QJsonValue(QJsonValue::Null)},
                        {QStringLiteral("format"), m_format.name()},
                        {QStringLiteral("pool"), m_pool}};
    QString problem;
    std::optional<SerialValue> next = m_single;
    std::optional<SerialRegion> region = m_region;
    if (m_source) {
        qint64 index = 0;
        QString text;
        if (m_ledger) {
            if (const std::optional<QString> why = m_ledger->peek(
                    m_pool, m_source->identity(), poolSize(), valueTexts(), &text, &index))
                problem = *why;
        }
        next = index >= 0 && problem.isEmpty() ? valueAt(index, &problem) : std::nullopt;
        region = next ? m_source->regionAt(index, m_region, &problem) : std::nullopt;
    }
    preview.insert(QStringLiteral("next"), next ? QJsonValue(next->text) : QJsonValue::Null);
    QJsonArray records;
    if (next && region) {
        if (const ImagePatch *patch = patchFor(*region, &problem)) {
            for (const QString &line : patch->patchedLines(patch->apply(m_content, next->bytes)))
                records.append(line);
        }
    }
    preview.insert(QStringLiteral("records"), records);
    preview.insert(QStringLiteral("problem"),
                   problem.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(problem));
    return preview;
}
