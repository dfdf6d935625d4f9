#include "UnitListFile.h"
#include "UnitListModel.h"

#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(tst_UnitList)
#include "tst_unitlist.moc"
