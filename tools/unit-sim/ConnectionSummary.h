#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What happened on one connection to the simulated unit, for logs and test assertions.
struct ConnectionSummary
{
    enum class End {
        Open,       // still connected
        PeerClosed, // the uploader closed or reset the connection
        UnitClosed, // a fault closed it
        UnitReset,  // a fault reset it
        Stopped,    // the simulator shut down
    };

    int number = 0; // 1 for the first connection
    // The profile whose request arrived ("Kestrel Max"), or a hex dump of an unknown one.
    QString requestedProfile;
    bool requestAccepted = false;
    QStringList displayTexts;
    int records = 0;
    qint64 bytes = 0;
    int strayBytes = 0;
    bool endRecordReceived = false;
    // The first answer other than an acknowledge, and the packet it answered.
    std::optional<quint8> firstOtherAnswer;
    int firstOtherAnswerPacket = -1;
    int silentFromPacket = -1;
    End end = End::Open;

    // "complete" when the end record arrived with nothing but acknowledges sent and the uploader
    // closed; otherwise a short description of what went wrong.
    QString outcome() const;
    // One line: number, profile, display texts, records, bytes, outcome.
    QString toString() const;
};
