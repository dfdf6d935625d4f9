#include "QtOpenFileDialog.h"
#include "firmware/FirmwareSelector.h"
#include "upload/BasicUploadView.h"
#include "upload/UploadState.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the dialog from a list of replies: a path, or an empty text for cancel.
class FakeDialog : public OpenFileDialog
{
public:
    QStringList replies;
    QList<OpenFileDialogSettings> shownWith;
    QStringList initialNames;

    QString show(const OpenFileDialogSettings &settings, const QString &initialFileName) override
    {
        shownWith.append(settings);
        initialNames.append(initialFileName);
        return replies.takeFirst();
    }
};

// Records each caption with the path and the start button as they stood at that moment.
class RecordingView : public BasicUploadView
{
public:
    const UploadState *state = nullptr;
    QStringList captions;

    void setFirmwareFileCaption(const QString &caption) override
    {
        BasicUploadView::setFirmwareFileCaption(caption);
        captions.append(QStringLiteral("%1|%2|%3")
                            .arg(caption, state->FirmwarePath,
                                 isControlEnabled(StartControl::LoadStart)
                                     ? QStringLiteral("on")
                                     : QStringLiteral("off")));
    }
};

const QString kPath = QStringLiteral("/firmware/v2.1/unit firmware.hex");

} // namespace

class tst_FirmwareSelector : public QObject
{
    Q_OBJECT

    UploadState m_state;
    RecordingView m_view;
    FakeDialog m_dialog;

private Q_SLOTS:
    void init()
    {
        m_state = UploadState{};
        m_view.state = &m_state;
        m_view.captions.clear();
        m_view.setFirmwareFileCaption(QStringLiteral("Select file..."));
        m_view.setControlEnabled(StartControl::LoadStart, false);
        m_dialog = FakeDialog{};
    }

    void firstUseCancelled()
    {
        FirmwareSelector selector(m_state.FirmwarePath, m_view, m_dialog);
        m_view.setControlEnabled(StartControl::LoadStart, true);
        m_dialog.replies = {QString()};
        selector.SelectFirmwareFile();
        QVERIFY(!m_view.isControlEnabled(StartControl::LoadStart));
        QCOMPARE(m_view.firmwareFileCaption(), QStringLiteral("Select file..."));
        QVERIFY(m_state.FirmwarePath.isEmpty());
    }

    void choiceThenCancelKeepsTheChoice()
    {
        FirmwareSelector selector(m_state.FirmwarePath, m_view, m_dialog);
        m_dialog.replies = {kPath, QString()};
        m_view.captions.clear();
        selector.SelectFirmwareFile();
        QCOMPARE(
            m_view.captions,
            (QStringList{QStringLiteral("Loading firmware file, please wait...||off"),
                         QStringLiteral("unit firmware.hex|") + kPath + QStringLiteral("|on")}));

        // An upload start disables the button; a cancelled dialog confirms the earlier file.
        m_view.setControlEnabled(StartControl::LoadStart, false);
        selector.SelectFirmwareFile();
        QCOMPARE(m_dialog.initialNames, (QStringList{QString(), kPath}));
        QVERIFY(m_view.isControlEnabled(StartControl::LoadStart));
        QCOMPARE(m_state.FirmwarePath, kPath);
        QCOMPARE(m_view.firmwareFileCaption(), QStringLiteral("unit firmware.hex"));
    }

    void dialogSettingsBeforeEveryShowing()
    {
        FirmwareSelector selector(m_state.FirmwarePath, m_view, m_dialog);
        m_dialog.replies = {kPath, QString()};
        selector.SelectFirmwareFile();
        selector.SelectFirmwareFile();
        QCOMPARE(m_dialog.shownWith.size(), 2);
        for (const OpenFileDialogSettings &settings : m_dialog.shownWith) {
            QCOMPARE(settings.title, QStringLiteral("Open Firmware File"));
            QCOMPARE(settings.cancelError, false);
            QCOMPARE(settings.flags, 0x1001);
            QCOMPARE(settings.initialFolder, QStringLiteral("%__CD__%"));
            QCOMPARE(settings.filter, QStringLiteral("Firmware Files (*.hex)|*.hex"));
        }
    }

    void qtNameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("firmware") << "Firmware Files (*.hex)|*.hex"
                                  << QStringList{"Firmware Files (*.hex)"};
        QTest::newRow("description without patterns") << "Hex|*.hex" << QStringList{"Hex (*.hex)"};
        QTest::newRow("patterns come from the pattern part")
            << "Images (*.bin)|*.hex;*.ihx|All|*.*"
            << QStringList{"Images (*.hex *.ihx)", "All (*.*)"};
    }

    void qtNameFilters()
    {
        QFETCH(QString, filter);
        QTEST(QtOpenFileDialog::nameFilters(filter), "nameFilters");
    }

    void qtDialogIsPreparedWithoutShowing()
    {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        QtOpenFileDialog dialog;
        OpenFileDialogSettings settings{QStringLiteral("Open Firmware File"), false, 0x1001,
                                        QStringLiteral("%__CD__%"),
                                        QStringLiteral("Firmware Files (*.hex)|*.hex")};
        dialog.apply(settings, QString());
        QDir::setCurrent(previous);

        QCOMPARE(dialog.dialog().windowTitle(), QStringLiteral("Open Firmware File"));
        QCOMPARE(dialog.dialog().fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog.dialog().nameFilters(),
                 QStringList{QStringLiteral("Firmware Files (*.hex)")});
        QCOMPARE(QFileInfo(dialog.dialog().directory().path()).canonicalFilePath(),
                 QFileInfo(folder.path()).canonicalFilePath());
        QVERIFY(!dialog.dialog().isVisible());
    }
};

QTEST_MAIN(tst_FirmwareSelector)
#include "tst_firmwareselector.moc"
