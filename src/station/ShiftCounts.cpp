#include "ShiftCounts.h"

#include <QLocale>

namespace {

const QString kApplication = QStringLiteral("Station");
const QString kSection = QStringLiteral("Shift");
const QString kPassed = QStringLiteral("Passed");
const QString kFailed = QStringLiteral("Failed");
const QString kStarted = QStringLiteral("Started");
const QString kLastFailed = QStringLiteral("LastFailed");
// Unit keys hold names that may contain anything but a line break between two keys.
const QChar kKeySeparator = QLatin1Char('\n');

int nonNegative(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 ? value : 0;
}

} // namespace

ShiftCounts::ShiftCounts(SettingsStore &store, QObject *parent) : QObject(parent), m_store(store)
{
    const QStringList values = m_store.read(kApplication, kSection,
                                            {{kPassed, QStringLiteral("0")},
                                             {kFailed, QStringLiteral("0")},
                                             {kStarted, QString()},
                                             {kLastFailed, QString()}});
    m_passed = nonNegative(values.at(0));
    m_failed = nonNegative(values.at(1));
    m_started = QDateTime::fromString(values.at(2), Qt::ISODateWithMs);
    m_lastFailed = values.at(3).split(kKeySeparator, Qt::SkipEmptyParts);
    if (!m_started.isValid()) {
        m_started = QDateTime::currentDateTimeUtc();
        save();
    }
}

double ShiftCounts::yield() const
{
    return total() == 0 ? 0.0 : 100.0 * m_passed / total();
}

void ShiftCounts::count(bool passed)
{
    ++(passed ? m_passed : m_failed);
    save();
    Q_EMIT changed();
}

void ShiftCounts::startNew()
{
    m_passed = m_failed = 0;
    m_started = QDateTime::currentDateTimeUtc();
    save();
    Q_EMIT changed();
}

QString ShiftCounts::text() const
{
    const QLocale locale;
    return tr("Pass %1  Fail %2  Total %3  Yield %4 %")
        .arg(locale.toString(m_passed), locale.toString(m_failed), locale.toString(total()),
             locale.toString(yield(), 'f', 1));
}

void ShiftCounts::setLastFailed(const QStringList &keys)
{
    m_lastFailed = keys;
    save();
}

void ShiftCounts::save()
{
    m_store.write(kApplication, kSection,
                  {{kPassed, QString::number(m_passed)},
                   {kFailed, QString::number(m_failed)},
                   {kStarted, m_started.toString(Qt::ISODateWithMs)},
                   {kLastFailed, m_lastFailed.join(kKeySeparator)}});
}
