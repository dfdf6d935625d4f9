#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// The simulated unit as a program; the port comes from its first line.
struct UnitSimProcess
{
    static constexpr int kWaitMs = 15000;

    UnitSimProcess(const QString &program, const QStringList &arguments,
                   const QString &port = QStringLiteral("0"))
    {
        process.start(program, QStringList{"--port", port} + arguments);
        if (!process.waitForStarted(kWaitMs) || !process.waitForReadyRead(kWaitMs))
            return;
        const QString line = QString::fromLatin1(process.readLine()).trimmed();
        static const QRegularExpression pattern(
            QStringLiteral("^(?:listening on|no server at) 127\\.0\\.0\\.1:(\\d+)$"));
        const QRegularExpressionMatch match = pattern.match(line);
        if (match.hasMatch())
            this->port = match.captured(1);
    }
    ~UnitSimProcess()
    {
        process.kill();
        process.waitForFinished(kWaitMs);
    }
    UnitSimProcess(const UnitSimProcess &) = delete;
    UnitSimProcess &operator=(const UnitSimProcess &) = delete;

    // Each connection's summary line, once the program has ended.
    QStringList summaries()
    {
        process.waitForFinished(kWaitMs);
        return QString::fromLatin1(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    QProcess process;
    QString port;
};
