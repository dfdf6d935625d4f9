#include "CsvText.h"
#include "EndedUnitPrinter.h"
#include "FirmwareSnapshot.h"
#include "RunReport.h"
#include "UnitListFile.h"
#include "UnitListModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

class tst_UnitList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A list as a spreadsheet saves it: quoted fields, UTF-8, padded cells, columns reordered.
    void loadFlagsBadRowsAndSavesBack()
    {
        const QString text = QString::fromUtf8("\xEF\xBB\xBF"
                                               "Port,Name,Address\r\n"
                                               "5001,\"Rack 1, slot \"\"A\"\"\",127.0.0.1\r\n"
                                               "5002,Prüfstand Süd ✓, 127.0.0.1 \r\n"
                                               "\r\n"
                                               "70000,bad port,127.0.0.1\r\n"
                                               "5001,\"two\nlines\",127.0.0.1\r\n"
                                               "5004,bad address,127.0.0.300\r\n"
                                               "5005,an option,--debug\r\n");
        QTemporaryDir dir;
        const QString path = dir.filePath("units.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();

        QString error;
        const QList<StationUnit> units = UnitListFile::load(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(units.size(), 6);
        QCOMPARE(units[0].name, QString("Rack 1, slot \"A\""));
        QCOMPARE(units[1].name, QString::fromUtf8("Prüfstand Süd ✓"));
        QCOMPARE(units[1].address, QString("127.0.0.1"));
        QCOMPARE(units[3].name, QString("two\nlines"));

        UnitListModel model;
        model.setUnits(units);
        QVERIFY(model.problem(0).isEmpty());
        QVERIFY(model.problem(1).isEmpty());
        QVERIFY(model.problem(2).contains("port \"70000\""));
        QVERIFY(model.problem(3).contains("same address and port as row 1"));
        QVERIFY(model.problem(4).contains("address \"127.0.0.300\""));
        QVERIFY(model.problem(5).contains("address \"--debug\""));
        QVERIFY(model.removeRows(5, 1));
        QVERIFY(model.hasProblems());
        QCOMPARE(model.data(model.index(2, UnitListModel::State), Qt::DisplayRole).toString(),
                 QString("cannot run"));

        // Fixing the rows in place clears the flags; a save reads back the same list.
        QVERIFY(model.setData(model.index(2, UnitListModel::Port), "5003", Qt::EditRole));
        QVERIFY(model.setData(model.index(3, UnitListModel::Port), "5005", Qt::EditRole));
        QVERIFY(model.setData(model.index(4, UnitListModel::Address), "127.0.0.2", Qt::EditRole));
        QVERIFY(!model.hasProblems());
        QVERIFY(model.moveRows({}, 0, 1, {}, 3));
        QCOMPARE(model.unit(2).name, QString("Rack 1, slot \"A\""));

        const QString saved = dir.filePath("saved.csv");
        QVERIFY(UnitListFile::save(saved, model.units(), &error));
        const QList<StationUnit> again = UnitListFile::load(saved, &error);
        QCOMPARE(again.size(), 5);
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(again[row].name, model.unit(row).name);
            QCOMPARE(again[row].address, model.unit(row).address);
            QCOMPARE(again[row].port, model.unit(row).port);
        }
    }

    // The cells a problem points at are marked in whatever words the problems are given.
    void marksDoNotDependOnTheWording()
    {
        class Reworder : public QTranslator
        {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *source, const char *, int) const override
            {
                return QLatin1Char('~') + QString::fromUtf8(source);
            }
        } reworder;
        QCoreApplication::installTranslator(&reworder);
        UnitListModel model;
        model.setUnits({StationUnit::listed("a", "127.0.0.1", "5000"),
                        StationUnit::listed("a", "127.0.0.1", "5000"),
                        StationUnit::listed("b", "127.0.0.1", "5001")});
        QCoreApplication::removeTranslator(&reworder);
        const auto background = [&model](int row, int column) {
            return model.data(model.index(row, column), Qt::BackgroundRole);
        };
        QVERIFY(model.problem(1).startsWith(QLatin1Char('~')));
        const QVariant marked = background(1, UnitListModel::State);
        QVERIFY(marked.isValid());
        for (int column : {UnitListModel::Name, UnitListModel::Address, UnitListModel::Port})
            QCOMPARE(background(1, column), marked);
        QVERIFY(background(1, UnitListModel::Title) != marked);
        QVERIFY(background(2, UnitListModel::Name) != marked);
    }

    void unreadableListsAreRefused()
    {
        QString error;
        QVERIFY(UnitListFile::fromText("address,port\n127.0.0.1,1\n", &error).isEmpty());
        QVERIFY(error.contains("header"));
        error.clear();
        QVERIFY(
            UnitListFile::fromText("name,address,port\n\"open,127.0.0.1,1\n", &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    // Names a spreadsheet would run as formulas stay text in every CSV the station writes, and
    // the list reads back exactly; the JSON report keeps them as they are.
    void formulaCellsStayText()
    {
        const QStringList names{"=HYPERLINK(\"http://example.invalid\",\"click\")",
                                "+cmd|' /C calc'!A0",
                                "-1+1",
                                "@SUM(1+1)",
                                "\tinside",
                                "\rreturn",
                                "'quoted",
                                "'=already marked"};
        QList<StationUnit> units;
        for (int i = 0; i < names.size(); ++i)
            units.append(StationUnit::listed(names[i], "127.0.0.1", QString::number(5000 + i)));
        for (const QString &name : names)
            QVERIFY2(CsvText::field(name).startsWith("'") || CsvText::field(name).startsWith("\"'"),
                     qPrintable(CsvText::field(name)));
        QCOMPARE(CsvText::field("-1"), QString("-1"));

        QString error;
        const QList<StationUnit> again =
            UnitListFile::fromText(UnitListFile::toText(units), &error);
        QCOMPARE(again.size(), names.size());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(again[i].name, names[i]);

        const RunReport report(units, FirmwareSnapshot());
        QList<QStringList> rows;
        QVERIFY(CsvText::parse(QString::fromUtf8(report.csv()), &rows));
        const qsizetype nameColumn = rows[0].indexOf("name");
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(rows[i + 1][nameColumn], "'" + CsvText::printable(names[i]));
        const QJsonArray json = QJsonDocument::fromJson(report.json()).object()["units"].toArray();
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(json[i]["name"].toString(), names[i]);
            QCOMPARE(json[i]["port"].toInt(), 5000 + i);
        }
    }

    // A unit name or reason with terminal controls (ESC sequences, BEL, DEL, line ends) cannot
    // act in a terminal that prints the CSV report; the JSON keeps them, escaped.
    void controlCharactersNeverReachTheCsvReport()
    {
        StationUnit unit =
            StationUnit::listed("bay\x1b[2J\x1b]0;owned\x07 1\x7f", "127.0.0.1", "5000");
        unit.reason = "first line\r\nsecond\tline\x1b[31m";
        unit.serial = "SN-0042";
        const RunReport report({unit, StationUnit::listed("=\x1b[1mformula", "127.0.0.1", "5001")},
                               FirmwareSnapshot());
        const QByteArray csv = report.csv();
        QByteArray withoutLineEnds = csv;
        withoutLineEnds.replace("\r\n", "");
        for (const char c : std::as_const(withoutLineEnds))
            QVERIFY2(uchar(c) >= 0x20 && uchar(c) != 0x7f, csv.toPercentEncoding().constData());
        QList<QStringList> rows;
        QVERIFY(CsvText::parse(QString::fromUtf8(csv), &rows));
        QCOMPARE(rows.size(), 3);
        const qsizetype name = rows[0].indexOf("name");
        QCOMPARE(rows[1][name], QString::fromUtf8("bay\uFFFD[2J\uFFFD]0;owned\uFFFD 1\uFFFD"));
        QCOMPARE(rows[1][rows[0].indexOf("reason")],
                 QString::fromUtf8("first line  second line\uFFFD[31m"));
        QCOMPARE(rows[2][name], QString::fromUtf8("'=\uFFFD[1mformula"));
        QCOMPARE(rows[1][rows[0].indexOf("unit_serial")], "SN-0042");
        const QJsonArray json = QJsonDocument::fromJson(report.json()).object()["units"].toArray();
        QCOMPARE(json[0]["name"].toString(), unit.name);
        // Nor the headless run's line per unit on standard output.
        UnitListModel model;
        model.setUnits({unit});
        const QString printed = EndedUnitPrinter::line(model, 0);
        QVERIFY2(!printed.contains(QChar(0x1b)) && !printed.contains(QChar(0x07)) &&
                     printed.count('\t') == 5,
                 qPrintable(printed));
        QCOMPARE(json[0]["unit_serial"].toString(), "SN-0042");
    }

    // Two stations that share a folder and end in the same millisecond keep both reports, and
    // nothing already there is replaced.
    void reportsNeverOverwrite()
    {
        QTemporaryDir dir;
        const QDateTime at = QDateTime::currentDateTime();
        const RunReport report({StationUnit::listed("a", "127.0.0.1", "5000")}, FirmwareSnapshot());
        QString error;
        const std::optional<QString> first = report.saveNew(dir.path(), at, &error);
        const std::optional<QString> second = report.saveNew(dir.path(), at, &error);
        QVERIFY2(first && second, qPrintable(error));
        QVERIFY(*first != *second);
        QVERIFY(QFileInfo(*first).fileName().contains(at.toString("yyyyMMdd-HHmmss-zzz")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    // Private copies of stations that are gone are swept; those of a live station stay.
    void leftoverCopiesOfDeadStationsAreSwept()
    {
        QProcess gone;
        gone.start("true", {});
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        const QDir temp = QDir::temp();
        const QString dead = QStringLiteral("firmware-uploader-station-%1-test").arg(deadPid);
        const QString alive = QStringLiteral("firmware-uploader-station-%1-test").arg(::getpid());
        for (const QString &folder : {dead, alive}) {
            QVERIFY(temp.mkpath(folder));
            QFile copy(temp.filePath(folder + "/firmware.hex"));
            QVERIFY(copy.open(QIODevice::WriteOnly));
        }
        FirmwareSnapshot::sweepLeftovers();
        QVERIFY(!temp.exists(dead));
        QVERIFY(temp.exists(alive));
        QVERIFY(QDir(temp.filePath(alive)).removeRecursively());
    }

    // Elapsed time comes from a monotonic clock: a wall clock stepped back changes nothing.
    void elapsedIgnoresWallClockSteps()
    {
        UnitListModel model;
        StationUnit unit = StationUnit::listed("a", "127.0.0.1", "5000");
        unit.started = QDateTime::currentDateTime().addSecs(3600);
        unit.ended = QDateTime::currentDateTime();
        unit.elapsedMs = 65000;
        model.setUnits({unit});
        QCOMPARE(model.data(model.index(0, UnitListModel::Elapsed), Qt::DisplayRole).toString(),
                 QString("1:05"));
    }
};

QTEST_GUILESS_MAIN(tst_UnitList)
#include "tst_unitlist.moc"
