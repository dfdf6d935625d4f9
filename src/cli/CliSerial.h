#pragma once

#include "history/SerialLedger.h"
#include "serial/ImagePatch.h"
#include "serial/SerialFormat.h"
#include "serial/SerialRegion.h"
#include "serial/SerialSource.h"
#include "serial/SerialValue.h"
#include "serial/SignedRegions.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class FirmwareInspection;
class HistoryStore;
struct CliOptions;

// The unit's own data in its image, for the command line: the options checked against the image
// before anything reaches the network, a value taken from the pool for each attempt (or the one
// given), the image patched with it, and the value settled when the attempt has ended: used,
// burnt when a record carrying it was sent, returned when none was.
//
// The pool's calls are made here, on the program's thread: each is one short transaction that
// the history's own time-outs bound, and the attempt cannot start without its value anyway.
class CliSerial
{
public:
    // Who the attempt is for, as its row names it.
    struct Unit
    {
        QString attemptId;
        QString name;
        QString address;
        std::optional<int> port;
    };

    explicit CliSerial(const CliOptions &options);
    ~CliSerial();
    CliSerial(const CliSerial &) = delete;
    CliSerial &operator=(const CliSerial &) = delete;

    bool isOn() const { return m_on; }
    // Checks format, region, source (its file read), the regions a signed image allows and that
    // the image can carry the value; opens the pool's history. The reason when refused.
    std::optional<QString> prepare(const FirmwareInspection &firmware);
    // Takes the next attempt's value and makes its image. The reason when none can be had (a
    // used-up pool, a value that already finished, a history that does not answer).
    std::optional<QString> take(const Unit &unit, QByteArray *image);
    // The attempt has ended: its value is used when it finished, burnt when at least the first
    // record carrying it was sent, else returned. The history's problem when the pool could not
    // be told (the outcome stands). Nothing to do when no value is held.
    std::optional<QString> settle(bool finished, qint64 recordsSent);

    QString pool() const { return m_pool; }
    // The attempt's value as written to the unit, and what became of it; empty when none.
    QString value() const { return m_value.text; }
    QString state() const { return m_state; }
    // The SHA-256 (lowercase hex) of the image the attempt sends.
    QString imageSha256() const { return m_imageSha256; }
    // For --check: the region, format and pool, the value that would come next and the records
    // that value would change, as they would be sent ("problem" when it cannot be told).
    QJsonObject preview();

private:
    std::optional<QString> prepareSource();
    std::optional<QString> checkSignedRegions(const FirmwareInspection &firmware);
    std::optional<QString> openLedger();
    std::optional<QString> nextValue(const Unit &unit, SerialValue *value, SerialRegion *region);
    const ImagePatch *patchFor(const SerialRegion &region, QString *problem);
    std::optional<SerialValue> valueAt(qint64 index, QString *problem) const;
    qint64 poolSize() const;
    SerialLedger::ValueAt valueTexts() const;

    const CliOptions &m_options;
    bool m_on = false;
    QString m_pool;
    SerialFormat m_format;
    std::optional<SerialRegion> m_region;
    std::optional<SerialSource> m_source;
    std::optional<SerialValue> m_single;
    std::optional<SignedRegions> m_signed;
    QByteArray m_content;
    QHash<QString, ImagePatch> m_patches;
    std::unique_ptr<HistoryStore> m_store;
    std::unique_ptr<SerialLedger> m_ledger;
    // The attempt's value while it is held.
    QString m_attemptId;
    SerialValue m_value;
    qint64 m_firstSentRecord = 0;
    QString m_state;
    QString m_imageSha256;
};
