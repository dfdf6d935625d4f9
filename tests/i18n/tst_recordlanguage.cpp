// What an upload says is an English record that a person reads in their own language: every line
// the engine logs is known to the catalogs, so that the window shows it translated, and the reason
// kept for the flash history stays English.

#include "EngineRig.h"
#include "TestSupport.h"
#include "platform/CoreText.h"
#include "platform/Language.h"
#include "protocol/UnitProtocol.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

namespace {

enum class Ending { Finished, Refused, ConnectFailed };

// A line made only of values (an address, a blank line, bytes) has nothing to translate.
bool hasWords(const QString &line)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    return word.match(line).hasMatch();
}

quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

} // namespace

class TestRecordLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Language::apply(QStringLiteral("de")); }
    void cleanupTestCase() { CoreText::forgetCatalog(); }

    void everyLineIsShownTranslated_data()
    {
        QTest::addColumn<Ending>("ending");
        QTest::newRow("finished") << Ending::Finished;
        QTest::newRow("refused") << Ending::Refused;
        QTest::newRow("connect failed") << Ending::ConnectFailed;
    }

    void everyLineIsShownTranslated()
    {
        QFETCH(Ending, ending);
        TestSupport::TimeScale fast(0.02);
        EngineRig rig;
        int packets = 0;
        rig.unit.onPacket = [&](const QByteArray &) {
            if (ending == Ending::Refused && ++packets == 2)
                rig.unit.send(UnitProtocol::response(ResponseCode::NakChecksum));
            else
                rig.unit.answerAck();
        };
        if (ending == Ending::ConnectFailed)
            rig.view.setEthernetPort(QString::number(closedPort()));
        QVERIFY(rig.runUpload());
        QStringList untranslated;
        for (const QString &line : rig.lines()) {
            if (hasWords(line) && CoreText::shown(line) == line)
                untranslated.append(line);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
        const QString reason = rig.engine.failureReason();
        QCOMPARE(reason.isEmpty(), ending == Ending::Finished);
        if (!reason.isEmpty()) {
            QVERIFY2(
                reason.contains(QLatin1String(ending == Ending::Refused ? "refused" : "connect")),
                qPrintable(reason));
            QVERIFY2(CoreText::shown(reason) != reason, qPrintable(reason));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordLanguage)
#include "tst_recordlanguage.moc"
