#include "platform/Clock.h"
#include "upload/ElapsedTime.h"

#include <QLocale>
#include <QtTest>

class tst_ElapsedTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void milliseconds_data()
    {
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("now");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("shown");
        QTest::newRow("half rounds up") << 0.0f << 1.2345f << " mS..."
                                        << "1,235 mS...";
        QTest::newRow("below half") << 0.0f << 0.9994f << " mS "
                                    << "999 mS ";
        QTest::newRow("no grouping needed") << 10.0f << 10.5f << " mS"
                                            << "500 mS";
        QTest::newRow("millions") << 0.0f << 1234.567f << " mS"
                                  << "1,234,567 mS";
        QTest::newRow("across midnight") << 86399.5f << 0.5f << " mS"
                                         << "1,000 mS";
        QTest::newRow("zero shows no digits") << 5.0f << 5.0f << " mS..."
                                              << " mS...";
    }

    void milliseconds()
    {
        QFETCH(float, start);
        QFETCH(float, now);
        QFETCH(QString, suffix);
        QFETCH(QString, shown);
        QCOMPARE(ElapsedTime::formatMilliseconds(ElapsedTime::milliseconds(start, now), suffix),
                 shown);
    }

    void secondsFigure_data()
    {
        QTest::addColumn<float>("elapsed");
        QTest::addColumn<qint64>("figure");
        QTest::newRow("41.2") << 41.2f << qint64(42);
        QTest::newRow("41.7") << 41.7f << qint64(42);
        QTest::newRow("42.6") << 42.6f << qint64(43);
        QTest::newRow("zero") << 0.0f << qint64(1);
    }

    void secondsFigure()
    {
        QFETCH(float, elapsed);
        QFETCH(qint64, figure);
        QCOMPARE(ElapsedTime::secondsFigure(1000.0f, 1000.0f + elapsed), figure);
    }

    void secondsAcrossMidnight() { QCOMPARE(ElapsedTime::secondsFigure(86390.0f, 30.0f), 41); }

    void clockSourceCanBeReplaced()
    {
        Clock::setTimeOfDaySource([] { return 12.25; });
        QCOMPARE(Clock::now(), 12.25f);
        Clock::setTimeOfDaySource({});
        QVERIFY(Clock::now() >= 0.0f && Clock::now() < 86400.0f);
    }
};

QTEST_GUILESS_MAIN(tst_ElapsedTime)
#include "tst_elapsedtime.moc"
