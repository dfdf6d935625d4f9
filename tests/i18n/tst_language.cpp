// Choosing the language: --language on the command line, the saved choice and Help > Language.

#include "platform/view/LanguageMenu.h"
#include "platform/Language.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionIsTakenOut_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("left");
        const QString program = QStringLiteral("program");
        const QString file = QStringLiteral("a.hex");
        QTest::newRow("absent") << QStringList{program, file} << QString() << false
                                << QStringList{program, file};
        QTest::newRow("two words")
            << QStringList{program, QStringLiteral("--language"), QStringLiteral("de"), file}
            << QStringLiteral("de") << false << QStringList{program, file};
        QTest::newRow("one word, other spelling")
            << QStringList{program, file, QStringLiteral("--language=zh-cn")}
            << QStringLiteral("zh_CN") << false << QStringList{program, file};
        QTest::newRow("after --") << QStringList{program, QStringLiteral("--"),
                                                 QStringLiteral("--language=de")}
                                  << QString() << false
                                  << QStringList{program, QStringLiteral("--"),
                                                 QStringLiteral("--language=de")};
        QTest::newRow("unknown") << QStringList{program, QStringLiteral("--language=xx")}
                                 << QString() << true << QStringList{program};
        QTest::newRow("no code") << QStringList{program, QStringLiteral("--language")} << QString()
                                 << true << QStringList{program, QStringLiteral("--language")};
    }

    void optionIsTakenOut()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, code);
        QFETCH(bool, refused);
        QFETCH(QStringList, left);
        const Language::Request request = Language::take(&arguments);
        QCOMPARE(request.code, code);
        QCOMPARE(!request.error.isEmpty(), refused);
        QCOMPARE(arguments, left);
    }

    void menuSavesTheChoice()
    {
        SettingsStore settings = SettingsStore::inMemory();
        QVERIFY(Language::save(settings, QStringLiteral("fr")));
        QWidget window;
        LanguageMenu menu(settings, &window);
        QCOMPARE(menu.checkedCode(), QStringLiteral("fr"));
        QSignalSpy chosen(&menu, &LanguageMenu::chosen);
        for (QAction *action : menu.actions()) {
            if (action->text() == QStringLiteral("Deutsch"))
                action->trigger();
        }
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toString(), QStringLiteral("de"));
        QCOMPARE(menu.checkedCode(), QStringLiteral("de"));
        // The system's entry takes the choice back.
        menu.actions().constFirst()->trigger();
        QCOMPARE(chosen.last().first().toString(), QString());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
