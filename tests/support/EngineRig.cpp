#include "EngineRig.h"

#include "TestSupport.h"

EngineRig::EngineRig(const QString &title)
    : settings(dir.path() + "/settings"), engine(title, view, socket, settings)
{
    view.setEthernetAddress(QStringLiteral("127.0.0.1"));
    view.setEthernetPort(QString::number(unit.port()));
    QObject::connect(&engine, &UploadEngine::attemptEnded,
                     [this](UploadOutcome outcome) { outcomes << outcome; });
    writeFirmware(TestSupport::hexFile(3));
}

QString EngineRig::writeFirmware(const QByteArray &contents, const QString &name)
{
    const QString path = dir.path() + '/' + name;
    TestSupport::writeFile(path, contents);
    engine.state().FirmwarePath = path;
    return path;
}

bool EngineRig::runUpload(int timeoutMs)
{
    const int before = int(outcomes.size());
    engine.LoadStart_Click();
    return waitForOutcomes(before + 1, timeoutMs);
}

bool EngineRig::waitForOutcomes(int count, int timeoutMs)
{
    return ScriptedUnit::waitFor([&] { return outcomes.size() >= count; }, timeoutMs);
}

bool EngineRig::allStartControlsEnabled() const
{
    for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                 StartControl::EthernetAddress, StartControl::EthernetPort}) {
        if (!view.isControlEnabled(control))
            return false;
    }
    return true;
}

bool EngineRig::anyStartControlEnabled() const
{
    for (StartControl control : {StartControl::LoadStart, StartControl::FirmwareFile,
                                 StartControl::EthernetAddress, StartControl::EthernetPort}) {
        if (view.isControlEnabled(control))
            return true;
    }
    return false;
}

QString EngineRig::savedAddress() const
{
    return settings.read(engine.title(), "Settings", "EthernetAddress", "(none)");
}

QString EngineRig::savedPort() const
{
    return settings.read(engine.title(), "Settings", "EthernetPort", "(none)");
}
