#include "upload/ActivityLog.h"

#include <QtTest>

class tst_ActivityLog : public QObject
{
    Q_OBJECT

    static void fill(ActivityLog &log, int lines)
    {
        for (int i = 0; i < lines; ++i)
            log.append(QString::number(i));
    }

private Q_SLOTS:
    void capRemovesTheOldestLines_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("removed");
        QTest::newRow("one over") << 25001 << 1;
        QTest::newRow("three over") << 25003 << 3;
        QTest::newRow("exactly the cap") << 25000 << 0;
        QTest::newRow("well below") << 10 << 0;
    }

    void capRemovesTheOldestLines()
    {
        QFETCH(int, lines);
        QFETCH(int, removed);
        ActivityLog log;
        fill(log, lines);
        log.ScrollLog();
        QCOMPARE(log.count(), lines - removed);
        QCOMPARE(log.line(0), QString::number(removed));
        QCOMPARE(log.lastLine(), QString::number(lines - 1));
        QCOMPARE(log.selectedIndex(), log.count() - 1);
        QCOMPARE(log.firstSequence(), quint64(removed));
        QCOMPARE(log.endSequence(), quint64(lines));
    }

    void appendDoesNotTrimOrSelect()
    {
        ActivityLog log;
        fill(log, 25005);
        QCOMPARE(log.count(), 25005);
        QCOMPARE(log.selectedIndex(), -1);
    }

    void operatorSelectionIsOverriddenByScrollLog()
    {
        ActivityLog log;
        fill(log, 50);
        log.ScrollLog();
        log.setSelectedIndex(3);
        QCOMPARE(log.selectedIndex(), 3);
        log.append("new");
        QCOMPARE(log.selectedIndex(), 3);
        log.ScrollLog();
        QCOMPARE(log.selectedIndex(), 50);
    }

    void emptyLogIsLeftAlone()
    {
        ActivityLog log;
        log.ScrollLog();
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.selectedIndex(), -1);
        log.selectLastLine();
        QCOMPARE(log.selectedIndex(), -1);
    }

    void clearStartsANewGeneration()
    {
        ActivityLog log;
        fill(log, 5);
        log.ScrollLog();
        const quint64 generation = log.generation();
        log.clear();
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.selectedIndex(), -1);
        QVERIFY(log.generation() != generation);
        QCOMPARE(log.firstSequence(), quint64(5));
        log.append("after");
        QCOMPARE(log.lines(), QStringList{"after"});
    }

    void colourStartsUnsetAndFollowsTheSetter()
    {
        ActivityLog log;
        QVERIFY(!log.backColour().has_value());
        QSignalSpy changed(&log, &ActivityLog::backColourChanged);
        log.setBackColour(ActivityLog::kRed);
        QCOMPARE(log.backColour().value(), 0x0000FFu);
        QCOMPARE(changed.count(), 1);
    }

    void everyLineIsAnnounced()
    {
        ActivityLog log;
        QSignalSpy appended(&log, &ActivityLog::lineAppended);
        log.append(" ");
        log.append("Done!  Unit is ready to use.");
        QCOMPARE(appended.count(), 2);
        QCOMPARE(appended.at(1).at(0).toString(), QString("Done!  Unit is ready to use."));
    }
};

QTEST_GUILESS_MAIN(tst_ActivityLog)
#include "tst_activitylog.moc"
