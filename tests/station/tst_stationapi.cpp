#include "LockControls.h"
#include "OperatorDesk.h"
#include "ProductionLock.h"
#include "StationApi.h"
#include "StationWindow.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// What the HTTP interface may do to a station locked for production: runs and stops, never a
// change of the firmware or the units. (The interface as a whole is driven by real clients in
// tst_stationhttp.py; a supervisor's password is set here, in the station's own process.)
class tst_StationApi : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settings;

private Q_SLOTS:
    // The lock outlives the station: it stays in this test's own settings.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path())); }

    void lockedStationRefusesChangesButNotRuns()
    {
        StationWindow window;
        LockControls &lock = window.desk().lock();
        QVERIFY(!lock.lock().setPassword("secret-1"));
        QVERIFY(!lock.lockForProduction());
        StationApi api(window);

        const ApiReply firmware =
            api.putFirmware(R"({"path": ")" FWU_SOURCE_DIR R"(/samples/demo.hex"})");
        QCOMPARE(firmware.status, 423);
        QCOMPARE(firmware.body.object()["error"].toString(), QString("locked"));
        QCOMPARE(api.putUnits("name,address,port\nbench,127.0.0.1,5000\n", true).status, 423);
        QCOMPARE(window.model().rowCount(), 0);
        // A run is refused for what it lacks, not for the lock.
        const ApiReply run = api.startRun(R"({"units": "all"})");
        QCOMPARE(run.status, 422);
        QCOMPARE(run.body.object()["error"].toString(), QString("no_firmware"));
        QVERIFY(api.station().body.object()["locked"].toBool());
    }
};

QTEST_MAIN(tst_StationApi)
#include "tst_stationapi.moc"
