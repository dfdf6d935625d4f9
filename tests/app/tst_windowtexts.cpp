#include "AttemptRecorder.h"
#include "FakeUnitSocket.h"
#include "FirmwareChoice.h"
#include "HelpDialogs.h"
#include "MainMenus.h"
#include "OperatorQuestions.h"
#include "ProgressCaption.h"
#include "frmMain.h"
#include "platform/SettingsStore.h"

#include "LanguageMenu.h"
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

#include <QtTest>

namespace {

const QChar kOpen(0x27E6);
const QChar kClose(0x27E7);

// Brackets every text it is asked for: a text shown without the brackets never asked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return kOpen + QString::fromUtf8(sourceText) + kClose;
    }
    bool isEmpty() const override { return false; }
};

bool marked(const QString &text)
{
    return text.contains(kOpen) && text.contains(kClose);
}

void collectMenuTexts(const QList<QAction *> &actions, QStringList *texts)
{
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        texts->append(action->text());
        // The languages are named in their own words, whatever the language shown.
        if (action->menu() && !qobject_cast<LanguageMenu *>(action->menu()))
            collectMenuTexts(action->menu()->actions(), texts);
    }
}

} // namespace

// Every text the window shows an operator is looked up in the installed translation.
class tst_WindowTexts : public QObject
{
    Q_OBJECT

    MarkingTranslator m_translator;

private Q_SLOTS:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&m_translator)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }

    void windowAsksForEveryText()
    {
        QTemporaryDir settingsFolder;
        QVERIFY(settingsFolder.isValid());
        SettingsStore settings(settingsFolder.path());
        FakeUnitSocket socket;
        WindowServices services;
        services.socket = &socket;
        services.settings = &settings;
        frmMain window(QStringLiteral("Kestrel Max Firmware Uploader Debug"), {1, 0, 40}, services);

        QStringList texts{window.windowTitle()};
        collectMenuTexts(window.menuBar()->actions(), &texts);
        for (const QLabel *label : window.centralWidget()->findChildren<QLabel *>())
            texts << label->text();
        for (const QAbstractButton *button :
             window.centralWidget()->findChildren<QAbstractButton *>())
            texts << button->text();
        for (const QGroupBox *box : window.findChildren<QGroupBox *>())
            texts << box->title();
        for (const QWidget *widget : window.findChildren<QWidget *>())
            texts << widget->accessibleName() << widget->accessibleDescription();
        texts.removeAll(QString());
        QVERIFY(texts.size() > 40);
        for (const QString &text : std::as_const(texts))
            QVERIFY2(marked(text), qPrintable(text));
    }

    void textsMadeOnDemandAskToo()
    {
        ProgressCaption caption;
        caption.restart();
        QStringList texts{caption.text(10, 100, true, 0),
                          caption.text(20, 100, true, 1000),
                          frmMain::writingStatus(),
                          OperatorQuestions::stopQuestion(),
                          FirmwareChoice::tooltipFor(QString()),
                          FirmwareChoice::problemWith(QStringLiteral("/nonexistent/a.hex")),
                          HelpDialogs::aboutText(QStringLiteral("Kestrel"), QStringLiteral("1.0"))};
        for (int outcome = int(UploadOutcome::Finished); outcome <= int(UploadOutcome::Stopped);
             ++outcome)
            texts << AttemptRecorder::outcomeText(UploadOutcome(outcome), false);
        for (const auto &[key, action] : MainMenus::shortcuts())
            texts << key << action;
        for (const QString &text : std::as_const(texts))
            QVERIFY2(marked(text), qPrintable(text));
    }
};

QTEST_MAIN(tst_WindowTexts)
#include "tst_windowtexts.moc"
