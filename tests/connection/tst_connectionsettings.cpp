#include "connection/ConnectionSettings.h"
#include "connection/ProductProfile.h"
#include "platform/SettingsStore.h"
#include "upload/BasicUploadView.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const QString kDefaultTitle = QStringLiteral("Kestrel Max Firmware Uploader");
// Marks a key that has nothing saved.
const QString kNone = QStringLiteral("\x01none");

QString defaultAddress(const char *profile)
{
    return QString::fromLatin1(ProductProfile::named(profile)->defaultAddress);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_ConnectionSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    SettingsStore m_store{m_root.path()};

    void saveRaw(const QString &title, const QString &address, const QString &port)
    {
        if (address != kNone)
            m_store.write(title, QStringLiteral("Settings"), QStringLiteral("EthernetAddress"),
                          address);
        if (port != kNone)
            m_store.write(title, QStringLiteral("Settings"), QStringLiteral("EthernetPort"), port);
    }

    void writeFile(const QString &title, const QByteArray &bytes)
    {
        const QString path = m_store.fileName(title);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(QDir(m_root.path()).removeRecursively() && QDir().mkpath(m_root.path()));
    }

    void loadsSavedValuesOrProfileDefaults_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("savedAddress");
        QTest::addColumn<QString>("savedPort");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");

        const QString kestrel = defaultAddress("Kestrel Max");
        QTest::newRow("first start") << kDefaultTitle << kNone << kNone << kestrel << "5000";
        QTest::newRow("Meridian first start")
            << "Meridian 8 Uploader" << kNone << kNone << defaultAddress("Meridian 8") << "23";
        QTest::newRow("Meridian after an upload") << "Meridian 8 Uploader"
                                                  << "10.1.2.3"
                                                  << "23"
                                                  << "10.1.2.3"
                                                  << "23";
        QTest::newRow("exactly Corvus")
            << "Corvus" << kNone << kNone << defaultAddress("Corvus") << "23";
        QTest::newRow("Corv selects nothing") << "Corv"
                                              << "10.1.2.3"
                                              << "99"
                                              << ""
                                              << "";
        QTest::newRow("lower case selects nothing") << "kestrel max firmware uploader"
                                                    << "10.1.2.3"
                                                    << "99"
                                                    << ""
                                                    << "";
        QTest::newRow("only the address saved")
            << kDefaultTitle << "10.9.9.9" << kNone << "10.9.9.9"
            << "5000";
        QTest::newRow("only the port saved")
            << kDefaultTitle << kNone << "6000" << kestrel << "6000";
        QTest::newRow("TAPdeck, nothing saved") << "TAPdeck Uploader" << kNone << kNone << ""
                                                << "";
        QTest::newRow("TAPdeck reads back") << "TAPdeck Uploader"
                                            << "10.0.0.7"
                                            << "4001"
                                            << "10.0.0.7"
                                            << "4001";
        QTest::newRow("empty texts are values") << kDefaultTitle << ""
                                                << ""
                                                << ""
                                                << "";
        QTest::newRow("spaces kept") << kDefaultTitle << "  10.0.0.1 "
                                     << " 23"
                                     << "  10.0.0.1 "
                                     << " 23";
        QTest::newRow("INI special characters") << kDefaultTitle << "a,b;\"c\"=d"
                                                << "@Variant(5)"
                                                << "a,b;\"c\"=d"
                                                << "@Variant(5)";
        QTest::newRow("non-ASCII") << kDefaultTitle << "gerät-ünit"
                                   << "端口"
                                   << "gerät-ünit"
                                   << "端口";
    }

    void loadsSavedValuesOrProfileDefaults()
    {
        QFETCH(QString, title);
        QFETCH(QString, savedAddress);
        QFETCH(QString, savedPort);
        saveRaw(title, savedAddress, savedPort);

        BasicUploadView view;
        ConnectionSettings(title, m_store).LoadConnectionSettings(view);
        QTEST(view.ethernetAddress(), "address");
        QTEST(view.ethernetPort(), "port");
    }

    void saveKeepsTextsApartByTitle()
    {
        const QString debugTitle = kDefaultTitle + QStringLiteral(" Debug");
        ConnectionSettings(kDefaultTitle, m_store)
            .save(QStringLiteral("10.0.0.1"), QStringLiteral("1"));
        BasicUploadView debugView;
        ConnectionSettings(debugTitle, m_store).LoadConnectionSettings(debugView);
        QCOMPARE(debugView.ethernetAddress(), defaultAddress("Kestrel Max"));
        QCOMPARE(debugView.ethernetPort(), QStringLiteral("5000"));

        ConnectionSettings(debugTitle, m_store)
            .save(QStringLiteral("10.0.0.2"), QStringLiteral("2"));
        BasicUploadView plainView;
        ConnectionSettings(kDefaultTitle, m_store).LoadConnectionSettings(plainView);
        QCOMPARE(plainView.ethernetAddress(), QStringLiteral("10.0.0.1"));
        QCOMPARE(plainView.ethernetPort(), QStringLiteral("1"));
    }

    void forgetRestoresDefaultsNowAndAtNextStart()
    {
        const ConnectionSettings settings(kDefaultTitle, m_store);
        settings.save(QStringLiteral("10.0.0.1"), QStringLiteral("1"));
        BasicUploadView view;
        view.setEthernetAddress(QStringLiteral("typed"));
        settings.Forget(view);
        QCOMPARE(view.ethernetAddress(), defaultAddress("Kestrel Max"));
        QCOMPARE(view.ethernetPort(), QStringLiteral("5000"));

        BasicUploadView nextStart;
        ConnectionSettings(kDefaultTitle, m_store).LoadConnectionSettings(nextStart);
        QCOMPARE(nextStart.ethernetAddress(), defaultAddress("Kestrel Max"));
        QCOMPARE(nextStart.ethernetPort(), QStringLiteral("5000"));

        // Nothing left to delete: still harmless.
        settings.Forget(view);
        QCOMPARE(view.ethernetPort(), QStringLiteral("5000"));
    }

    void forgetWithoutProfileKeepsTheBoxes()
    {
        const QString title = QStringLiteral("Bench Uploader");
        ConnectionSettings settings(title, m_store);
        settings.save(QStringLiteral("10.0.0.1"), QStringLiteral("1"));
        BasicUploadView view;
        view.setEthernetAddress(QStringLiteral("typed address"));
        view.setEthernetPort(QStringLiteral("typed port"));
        settings.Forget(view);
        QCOMPARE(view.ethernetAddress(), QStringLiteral("typed address"));
        QCOMPARE(view.ethernetPort(), QStringLiteral("typed port"));
        const QString gone =
            m_store.read(title, QStringLiteral("Settings"), QStringLiteral("EthernetAddress"),
                         QStringLiteral("gone"));
        QCOMPARE(gone, QStringLiteral("gone"));
    }

    void damagedFileGivesDefaultsAndSurvivesLoading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // Whether the file reads as damaged (and is said to); QSettings reads binary as no keys.
        QTest::addColumn<bool>("damaged");
        QTest::newRow("binary") << QByteArray("\x01\x02\xff\xfe\0garbage", 13) << false;
        QTest::newRow("unclosed section")
            << QByteArray("[Settings\nEthernetAddress=10.6.6.6\n") << true;
    }

    void damagedFileGivesDefaultsAndSurvivesLoading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        writeFile(kDefaultTitle, bytes);
        const ConnectionSettings settings(kDefaultTitle, m_store);
        BasicUploadView view;
        // Not dropped in silence: whoever watches fwu.settings learns why the defaults show.
        if (damaged) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot read .+\\.ini \\(.+\\): "
                                                                  "the defaults are used$"));
        }
        settings.LoadConnectionSettings(view);
        QCOMPARE(view.ethernetAddress(), defaultAddress("Kestrel Max"));
        QCOMPARE(view.ethernetPort(), QStringLiteral("5000"));
        QCOMPARE(contents(m_store.fileName(kDefaultTitle)), bytes);

        // The save replaces the damaged file, and says that it took.
        QCOMPARE(settings.save(QStringLiteral("10.0.0.3"), QStringLiteral("3")), QString());
        settings.LoadConnectionSettings(view);
        QCOMPARE(view.ethernetAddress(), QStringLiteral("10.0.0.3"));
        QCOMPARE(view.ethernetPort(), QStringLiteral("3"));
    }

    void unreadableFileGivesDefaults()
    {
        // A folder where the file should be cannot be read, even by root.
        QVERIFY(QDir().mkpath(m_store.fileName(kDefaultTitle)));
        const ConnectionSettings settings(kDefaultTitle, m_store);
        BasicUploadView view;
        settings.LoadConnectionSettings(view);
        QCOMPARE(view.ethernetPort(), QStringLiteral("5000"));
        settings.save(QStringLiteral("10.0.0.3"), QStringLiteral("3"));
        settings.Forget(view);
        QCOMPARE(view.ethernetPort(), QStringLiteral("5000"));
    }

    // Whatever stands where the file should go, the save says that it did not take.
    void failedSaveIsSaid_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("settings folder is a file") << "folder";
        QTest::newRow("settings file is a folder") << "file";
    }

    void failedSaveIsSaid()
    {
        QFETCH(QString, obstacle);
        const QString path = m_store.fileName(kDefaultTitle);
        if (obstacle == "folder")
            QVERIFY(QFile(QFileInfo(path).path()).open(QIODevice::WriteOnly));
        else
            QVERIFY(QDir().mkpath(path));
        const ConnectionSettings settings(kDefaultTitle, m_store);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^cannot save .+\\.ini \\(.+\\)$"));
        QCOMPARE(settings.save(QStringLiteral("10.0.0.3"), QStringLiteral("3")),
                 "Address and port not saved: cannot write " + path);
        QVERIFY(QDir().rmpath(path) || QFile::remove(QFileInfo(path).path()));
        QCOMPARE(settings.save(QStringLiteral("10.0.0.3"), QStringLiteral("3")), QString());
    }

    // Any text may be a title; the file always lands in the settings folder, plain titles keep
    // their file names, and different titles never share a file.
    void titleNeverLeadsOutOfTheSettingsFolder()
    {
        const QString folder = m_root.path() + QStringLiteral("/FirmwareUploader");
        QCOMPARE(m_store.fileName(kDefaultTitle), folder + '/' + kDefaultTitle + ".ini");
        const QStringList titles = {QStringLiteral("Kestrel Max/../../../../escaped"),
                                    QStringLiteral("Kestrel Max%2F"),
                                    QStringLiteral("Kestrel Max\\..\\x:y*?\"<>|\t\n"),
                                    QStringLiteral(".."),
                                    QStringLiteral("Kestrel Max ") + QString(300, QChar(0x00e9)),
                                    QStringLiteral("Kestrel Max ") + QString(300, QChar(0x00e9)) +
                                        'x'};
        QSet<QString> files;
        for (const QString &title : titles) {
            const QString file = m_store.fileName(title);
            QCOMPARE(QFileInfo(file).absolutePath(), folder);
            files.insert(file);
            QCOMPARE(ConnectionSettings(title, m_store).save(title.left(40), "7"), QString());
            BasicUploadView view;
            ConnectionSettings(title, m_store).LoadConnectionSettings(view);
            if (title.startsWith(QStringLiteral("Kestrel Max")))
                QCOMPARE(view.ethernetAddress(), title.left(40));
        }
        QCOMPARE(files.size(), titles.size());
        QDir root(m_root.path());
        QCOMPARE(root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"FirmwareUploader"});
    }

    // Two programs saving for one title at once: whatever a reader sees is one save's pair.
    void concurrentSavesNeverMixAddressAndPort()
    {
        std::atomic<bool> stop = false;
        const auto writer = [&](const QString &who) {
            SettingsStore store(m_root.path());
            const ConnectionSettings settings(kDefaultTitle, store);
            while (!stop)
                settings.save("10.0.0." + who, who);
        };
        std::thread first(writer, QStringLiteral("1"));
        std::thread second(writer, QStringLiteral("2"));
        int mixed = 0;
        for (int i = 0; i < 300; ++i) {
            BasicUploadView view;
            ConnectionSettings(kDefaultTitle, m_store).LoadConnectionSettings(view);
            if (view.ethernetPort() != "5000" &&
                view.ethernetAddress() != "10.0.0." + view.ethernetPort())
                ++mixed;
        }
        stop = true;
        first.join();
        second.join();
        QCOMPARE(mixed, 0);
    }

    void defaultRootIsTheUserConfigFolder()
    {
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (configHome.isEmpty())
            QSKIP("XDG_CONFIG_HOME is not redirected; the user's own folder is left alone");
        QCOMPARE(SettingsStore().fileName(kDefaultTitle),
                 configHome + QStringLiteral("/FirmwareUploader/") + kDefaultTitle +
                     QStringLiteral(".ini"));
    }
};

QTEST_GUILESS_MAIN(tst_ConnectionSettings)
#include "tst_connectionsettings.moc"
