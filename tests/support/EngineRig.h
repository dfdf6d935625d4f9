#pragma once

#include "ScriptedUnit.h"
#include "platform/SettingsStore.h"
#include "platform/TcpUnitSocket.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadEngine.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// An upload engine with a plain view, a real socket, scratch settings and a scripted unit on
// 127.0.0.1, pointed at a firmware file in a scratch folder.
class EngineRig
{
public:
    explicit EngineRig(const QString &title = QStringLiteral("Kestrel Max Firmware Uploader"));

    QString writeFirmware(const QByteArray &contents, const QString &name = "firmware.hex");

    // Starts an upload and pumps events until the attempt has ended (or the time is up).
    bool runUpload(int timeoutMs = 20000);
    bool waitForOutcomes(int count, int timeoutMs = 20000);

    ActivityLog &log() { return view.activityLog(); }
    QStringList lines() { return log().lines(); }
    bool allStartControlsEnabled() const;
    bool anyStartControlEnabled() const;
    QString savedAddress() const;
    QString savedPort() const;

    QTemporaryDir dir;
    ScriptedUnit unit;
    BasicUploadView view;
    TcpUnitSocket socket;
    SettingsStore settings;
    UploadEngine engine;
    QList<UploadOutcome> outcomes;
};
