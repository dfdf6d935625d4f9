#pragma once

#include <QString>

class OpenFileDialog;
class FirmwareView;

// The operator's choice of firmware file. Like the window's one long-lived dialog, it keeps the
// last confirmed file name and proposes it the next time, so cancelling after an earlier choice
// confirms that choice again.
class FirmwareSelector
{
public:
    // English like the core's other texts, and in the catalogs, so that the window can show them
    // in the reader's language (CoreText::shown).
    static constexpr const char *kDialogTitle = QT_TRANSLATE_NOOP("CoreText", "Open Firmware File");
    //: A file type and its pattern: keep "(*.hex)|*.hex" as it is.
    static constexpr const char *kFilter =
        QT_TRANSLATE_NOOP("CoreText", "Firmware Files (*.hex)|*.hex");
    static constexpr const char *kLoadingCaption =
        QT_TRANSLATE_NOOP("CoreText", "Loading firmware file, please wait...");

    // firmwarePath receives the full path of each confirmed file.
    FirmwareSelector(QString &firmwarePath, FirmwareView &view, OpenFileDialog &dialog);

    void SelectFirmwareFile();
    // A file chosen without the dialog (dropped on the window, or named at start): the same
    // steps as a file confirmed in the dialog, which then proposes it the next time.
    void chooseFile(const QString &path);

    // The dialog's file name: empty until a file is first confirmed.
    QString dialogFileName() const { return m_dialogFileName; }

private:
    void takeDialogFileName();

    QString &m_firmwarePath;
    FirmwareView &m_view;
    OpenFileDialog &m_dialog;
    QString m_dialogFileName;
};
