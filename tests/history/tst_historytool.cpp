// What the history tool makes of rows and options, without a database: CSV and table cells that
// no value can break or turn into commands, the options and filters, and the yield per group.

#include "HistoryPrinter.h"
#include "HistoryTestSupport.h"
#include "HistoryToolOptions.h"
#include "history/HistorySummary.h"

#include <QtTest>

using HistoryTestSupport::record;

class tst_HistoryTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Units whose first attempt of the period finished, and whose last one did, per group.
    void summaryGroups()
    {
        const qint64 t0 = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();
        const qint64 day = 24 * 3600 * 1000;
        QList<HistoryRecord> written{record("10.0.0.1", 1, "refused", t0),
                                     record("10.0.0.1", 1, "finished", t0 + 1000),
                                     record("10.0.0.2", 1, "finished", t0 + 2000),
                                     record("10.0.0.3", 1, "finished", t0 + day),
                                     record("10.0.0.3", 1, "connection_lost", t0 + day + 1000)};
        // One image throughout; one of its rows signed, with the version in its comment.
        for (HistoryRecord &r : written)
            r.firmwareSha256 = QString(64, 'a');
        written[2].signatureComment = "v2.1";
        // The third unit has no name: its address and port tell it apart.
        written[3].unitName.clear();
        written[4].unitName.clear();
        QList<HistoryRow> rows;
        for (const HistoryRecord &r : written)
            rows.prepend(HistoryRow{QVariantList{0} + r.values()});

        const auto summarize = [&rows](const QString &by) {
            QList<HistorySummary::Dimension> dimensions;
            if (HistorySummary::parseDimensions(by, &dimensions))
                return QStringList{"refused"};
            QStringList lines;
            for (const HistorySummary::Group &g : HistorySummary::compute(rows, dimensions))
                lines.append(QStringLiteral("%1|%2|%3 %4 %5 %6 %7")
                                 .arg(g.key.join(','), g.firmwareVersion)
                                 .arg(g.units)
                                 .arg(g.attempts)
                                 .arg(g.finished)
                                 .arg(qRound(g.firstPassYield))
                                 .arg(qRound(g.finalYield)));
            return lines;
        };
        const QString title = written[0].title;
        const QString sha(64, 'a');
        QCOMPARE(summarize("title,firmware"), QStringList{title + ',' + sha + "|v2.1|3 5 3 67 67"});
        QCOMPARE(summarize("day"),
                 (QStringList{"2026-03-01||2 3 2 50 100", "2026-03-02||1 2 1 100 0"}));
        QCOMPARE(summarize("unit"),
                 (QStringList{"10.0.0.3:1||1 2 1 100 0", "unit 10.0.0.1||1 2 1 0 100",
                              "unit 10.0.0.2||1 1 1 100 100"}));
        QCOMPARE(summarize("title,weather"), QStringList{"refused"});
        QCOMPARE(summarize("unit,unit"), QStringList{"refused"});
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "unit 3"
                               << "unit 3";
        QTest::newRow("formula") << "=1+2"
                                 << "'=1+2";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-1"
                               << "'-1";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("carriage return") << "\rx"
                                         << "\"'\rx\"";
        QTest::newRow("comma and quote") << "a,\"b\""
                                         << "\"a,\"\"b\"\"\"";
        QTest::newRow("formula quoted") << "=A1,B1"
                                        << "\"'=A1,B1\"";
        // A terminal that shows the file must not run what a unit's name carries.
        QTest::newRow("escape and bell") << "bay\x1b]0;x\x07 3\x7f"
                                         << "bay\uFFFD]0;x\uFFFD 3\uFFFD";
        QTest::newRow("C1 control") << "a\u009b31m"
                                    << "a\uFFFD31m";
    }

    void csvField()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        QCOMPARE(HistoryPrinter::csvField(value), field);
    }

    void tableCell_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cell");
        QTest::newRow("line ends") << "a\nb\tc\r"
                                   << "a b c ";
        QTest::newRow("escape") << "\x1b[2J"
                                << "\uFFFD[2J";
        QTest::newRow("turned around") << "bay \u202E3 yab"
                                       << "bay \uFFFD3 yab";
        QTest::newRow("zero width") << "a\u200Bb\u2066c"
                                    << "a\uFFFDb\uFFFDc";
        QTest::newRow("long") << QString(100000, 'x') << QString(59, 'x') + "\u2026";
        QTest::newRow("long, cut between a pair")
            << QString(58, 'x') + QString::fromUtf8("\xF0\x9F\x98\x80") + "yy"
            << QString(58, 'x') + "\u2026";
    }

    void tableCell()
    {
        QFETCH(QString, value);
        QFETCH(QString, cell);
        QCOMPARE(HistoryPrinter::tableCell(value), cell);
    }

    void toolOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        // address|port|name|sha|outcome|since|until|run|limit, or the start of the error
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << QStringList{} << "||||||||50";
        // An export takes every matching attempt unless told otherwise.
        QTest::newRow("json") << QStringList{"--json"} << "||||||||0";
        QTest::newRow("csv with limit") << QStringList{"--csv", "--limit", "5"} << "||||||||5";
        QTest::newRow("summary") << QStringList{"--summary", "--by", "day,unit"} << "||||||||0";
        QTest::newRow("by without summary") << QStringList{"--by", "day"} << "--by";
        QTest::newRow("by unknown") << QStringList{"--summary", "--by", "week"} << "--by";
        QTest::newRow("unit with port")
            << QStringList{"--unit", "10.0.0.1:5000", "--limit", "0"} << "10.0.0.1|5000|||||||0";
        QTest::newRow("ipv6 unit") << QStringList{"--unit", "[fe80::1]:7"} << "fe80::1|7|||||||50";
        QTest::newRow("bare ipv6") << QStringList{"--unit", "fe80::1"} << "fe80::1||||||||50";
        QTest::newRow("sha prefix") << QStringList{"--sha256", "ABCDEF01", "--outcome", "refused"}
                                    << "|||abcdef01|refused||||50";
        QTest::newRow("days") << QStringList{"--since", "2026-03-01T00:00Z", "--until",
                                             "2026-03-01T00:00:00.000Z"}
                              << "|||||1772323200000|1772323200001||50";
        QTest::newRow("short sha") << QStringList{"--sha256", "abc"} << "--sha256";
        QTest::newRow("sha wildcard") << QStringList{"--sha256", "abcdef0%"} << "--sha256";
        QTest::newRow("unknown outcome") << QStringList{"--outcome", "ok"} << "--outcome";
        QTest::newRow("bad date") << QStringList{"--since", "2026-02-30"} << "--since";
        QTest::newRow("bad limit") << QStringList{"--limit", "-1"} << "--limit";
        QTest::newRow("twice") << QStringList{"--name", "a", "--name", "b"} << "--name";
        QTest::newRow("two formats") << QStringList{"--json", "--csv"} << "--json";
    }

    void toolOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const HistoryToolOptions options =
            HistoryToolOptions::parse(QStringList{"firmware-uploader-history"} + arguments);
        if (options.action == HistoryToolOptions::Action::Fail) {
            QVERIFY2(options.error.startsWith(expected), qPrintable(options.error));
            return;
        }
        const HistoryFilter &f = options.filter;
        const auto number = [](const auto &value) {
            return value ? QString::number(*value) : QString();
        };
        QCOMPARE(
            QStringList({f.address, number(f.port), f.unitName, f.sha256Prefix, f.outcome,
                         number(f.sinceMs), number(f.untilMs), f.runId, QString::number(f.limit)})
                .join('|'),
            expected);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryTool)
#include "tst_historytool.moc"
