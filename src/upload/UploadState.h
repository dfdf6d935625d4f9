#pragma once

#include <QByteArray>
#include <QString>

// What carries one upload across events. Handlers run inside each other's pauses, so nothing of
// an upload may live on a call stack: it lives here.
struct UploadState
{
    // Full path of the chosen firmware file.
    QString FirmwarePath;
    // Received bytes not yet consumed.
    QByteArray RxBuffer;
    // True while no record streaming is going on.
    bool TransferIdle = true;
    // Time of day in seconds, set when connecting starts and again when the transfer starts.
    float StartTime = 0.0f;
    // Uploads that reached the end of the file.
    qint64 LoopCount = 0;
    // Set when the last record has been sent; chooses the path of the completion.
    bool UploadDone = false;
};
