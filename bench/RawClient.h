#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The baseline every uploader figure is compared with: the same stop-and-wait exchange done by
// the plainest client there is, a blocking POSIX socket with TCP_NODELAY and no event loop.
class RawClient
{
public:
    struct Result
    {
        bool ok = false;
        QString error;
        // Packets that were answered with an acknowledgement, the request included.
        qint64 exchanges = 0;
        double seconds = 0;
    };

    // The lines an uploader sends from a firmware file, in order.
    static QByteArrayList recordsToSend(const QByteArray &fileContents);
    // How many lines an uploader sends from the file, read in blocks so that counting does not
    // raise the peak memory of the process being measured; -1 when it cannot be read.
    static qint64 countRecordsToSend(const QString &path);

    // Connects to 127.0.0.1:port, sends the request and then each record, each time waiting
    // for the unit's 8-byte answer. The time runs from the request to the last answer.
    static Result run(quint16 port, const QByteArray &request, const QByteArrayList &records);
};
