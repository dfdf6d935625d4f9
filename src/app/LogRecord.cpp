#include "LogRecord.h"

#include <QSaveFile>

QString LogRecord::text() const
{
    // With its offset from UTC, so that logs saved in different places line up.
    const QDateTime stamped = savedAt.toOffsetFromUtc(savedAt.offsetFromUtc());
    QStringList header;
    header << QStringLiteral("Saved: ") + stamped.toString(Qt::ISODate)
           << QStringLiteral("Program: ") + program
           << QStringLiteral("Firmware: ") +
                  (firmwarePath.isEmpty() ? QStringLiteral("(none chosen)") : firmwarePath);
    for (const QString &line : firmware)
        header << QStringLiteral("  ") + line;
    header << QStringLiteral("Unit: %1 port %2").arg(address, port)
           << QStringLiteral("Outcome: ") + outcome << QString();

    QString result;
    for (const QString &line : std::as_const(header) + lines)
        result += line + QLatin1Char('\n');
    return result;
}

bool LogRecord::write(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text().toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
