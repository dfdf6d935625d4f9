#include "firmware/FirmwareFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class tst_FirmwareFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &bytes, const QString &name = QStringLiteral("f.hex"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Every line with the position after it, read as the upload reads: until the end.
    static QList<QPair<QByteArray, qint64>> readAll(FirmwareFile &file)
    {
        QList<QPair<QByteArray, qint64>> lines;
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            lines.append({line, file.position()});
        }
        return lines;
    }

private Q_SLOTS:
    void lineEndsAndPositions_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QList<qint64>>("positions");

        using L = QByteArrayList;
        using P = QList<qint64>;
        QTest::newRow("CR LF") << QByteArray("ab\r\ncd\r\n") << L{"ab", "cd"} << P{4, 8};
        QTest::newRow("lone CR") << QByteArray("ab\rcd\r") << L{"ab", "cd"} << P{3, 6};
        QTest::newRow("lone LF") << QByteArray("ab\ncd\n") << L{"ab", "cd"} << P{3, 6};
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << L{"a", "b", "c", "d"}
                               << P{3, 5, 7, 8};
        QTest::newRow("no end at the end") << QByteArray("abc") << L{"abc"} << P{3};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << L{"a", "", "b"} << P{2, 3, 4};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << L{"a", "", "b"} << P{2, 4, 5};
        QTest::newRow("trailing blank line")
            << QByteArray(":00000001FF\r\n\r\n") << L{":00000001FF", ""} << P{13, 15};
        QTest::newRow("only a line end") << QByteArray("\r\n") << L{""} << P{2};
        QTest::newRow("empty file") << QByteArray() << L{} << P{};
        // Longer than the stretches the line end is searched in; a CR behind an LF comes second.
        const QByteArray longA(300, 'a'), longB(600, 'b');
        QTest::newRow("long lines") << (longA + "\n" + longB + "\r" + longA + "\n")
                                    << L{longA, longB, longA} << P{301, 902, 1203};
        QTest::newRow("NUL and invalid UTF-8")
            << QByteArray("\0\xff\xc3(\r\n:\0", 8)
            << L{QByteArray("\0\xff\xc3(", 4), QByteArray(":\0", 2)} << P{6, 8};
    }

    void lineEndsAndPositions()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, lines);
        QFETCH(QList<qint64>, positions);
        const QString path = write(bytes);

        // Small buffers put every line end, CR LF included, across a refill somewhere.
        for (const qsizetype bufferSize :
             {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(5), FirmwareFile::kBufferSize}) {
            FirmwareFile file(bufferSize);
            QVERIFY(file.open(path));
            QCOMPARE(file.size(), bytes.size());
            const auto read = readAll(file);
            QByteArrayList readLines;
            QList<qint64> readPositions;
            for (const auto &[line, position] : read) {
                readLines.append(line);
                readPositions.append(position);
            }
            QCOMPARE(readLines, lines);
            QCOMPARE(readPositions, positions);
            QVERIFY(file.readLine().isEmpty());
            QCOMPARE(file.position(), bytes.size());
        }
    }

    void crLfAcrossTheBufferBoundary()
    {
        // Buffer of 4: "abc\r" fills the first read, "\n" starts the second.
        const QString path = write("abc\r\ndef\r\n");
        FirmwareFile file(4);
        QVERIFY(file.open(path));
        QCOMPARE(file.readLine(), QByteArray("abc"));
        QCOMPARE(file.position(), 5);
        QCOMPARE(file.readLine(), QByteArray("def"));
        QVERIFY(file.atEnd());
    }

    void longLine()
    {
        const QByteArray big(4 * 1024 * 1024, 'A');
        const QString path = write(big + "\r\nnext\r\n" + big + "\r\nlast");
        FirmwareFile file;
        QVERIFY(file.open(path));
        QCOMPARE(file.readLine(), big);
        QCOMPARE(file.readLine(), QByteArray("next"));
        // A bounded read passes over the rest of the line.
        QCOMPARE(file.readLine(10), QByteArray(10, 'A'));
        QCOMPARE(file.position(), 2 * big.size() + 10);
        QCOMPARE(file.readLine(), QByteArray("last"));
        QVERIFY(file.atEnd());
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.hex"
                                 << "does not exist";
        QTest::newRow("folder") << "folder"
                                << "folder";
        QTest::newRow("no permission") << "locked.hex"
                                       << "permission";
        QTest::newRow("empty path") << ""
                                    << "does not exist";
        QTest::newRow("symbolic-link loop") << "loop.hex"
                                            << "its symbolic links form a loop";
        QTest::newRow("dangling link") << "dangling.hex"
                                       << "a symbolic link to a file that does not exist";
        // As the command line decodes a name that is not UTF-8.
        QTest::newRow("name not UTF-8") << QString::fromUtf8("bad\xFF.hex") << "not valid UTF-8";
        QTest::newRow("too large, refused by its size") << "big.hex"
                                                        << "more than any firmware image";
    }

    void openFailures()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
        const QString locked = write("x", QStringLiteral("locked.hex"));
        QVERIFY(QFile::setPermissions(locked, {}));
        const QByteArray dir = QFile::encodeName(m_dir.path());
        ::symlink("loop.hex", dir + "/loop.hex");
        ::symlink("nowhere.hex", dir + "/dangling.hex");
        ::close(::open(dir + "/bad\xFF.hex", O_CREAT | O_WRONLY, 0644));
        QFile big(m_dir.filePath(QStringLiteral("big.hex")));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(FirmwareFile::kMaxSize + 1));
        if (name == QLatin1String("locked.hex") && ::geteuid() == 0)
            QSKIP("running as root: a file without permissions is still readable");

        // A failed open also closes the file that was open before.
        FirmwareFile file;
        QVERIFY(file.open(write("ok\r\n")));
        QString message;
        QVERIFY(!file.open(name.isEmpty() ? name : m_dir.filePath(name), &message));
        QVERIFY(!file.isOpen());
        QVERIFY(file.atEnd());
        QVERIFY(file.readLine().isEmpty());
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
    }

    void reopenStartsAfresh()
    {
        const QString first = write("one\r\ntwo\r\n", QStringLiteral("a.hex"));
        const QString second = write("three\r\n", QStringLiteral("b.hex"));
        FirmwareFile file;
        QVERIFY(file.open(first));
        QCOMPARE(file.readLine(), QByteArray("one"));
        QVERIFY(file.open(second));
        QCOMPARE(file.position(), 0);
        QCOMPARE(file.size(), 7);
        QCOMPARE(file.readLine(), QByteArray("three"));
        QVERIFY(file.atEnd());
        file.close();
        QVERIFY(!file.isOpen());
        QVERIFY(file.open(first));
        QCOMPARE(file.readLine(), QByteArray("one"));
    }
};

QTEST_GUILESS_MAIN(tst_FirmwareFile)
#include "tst_firmwarefile.moc"
