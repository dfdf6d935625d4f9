#include "FirmwareSelector.h"

#include "FirmwareView.h"
#include "OpenFileDialog.h"

#include <QFileInfo>

FirmwareSelector::FirmwareSelector(QString &firmwarePath, FirmwareView &view,
                                   OpenFileDialog &dialog)
    : m_firmwarePath(firmwarePath), m_view(view), m_dialog(dialog)
{}

void FirmwareSelector::SelectFirmwareFile()
{
    OpenFileDialogSettings settings;
    settings.title = QString::fromLatin1(kDialogTitle);
    settings.cancelError = false;
    settings.flags = OpenFileDialogSettings::kReadOnly | OpenFileDialogSettings::kFileMustExist;
    settings.initialFolder = QString::fromLatin1(OpenFileDialogSettings::kCurrentFolder);
    settings.filter = QString::fromLatin1(kFilter);

    const QString chosen = m_dialog.show(settings, m_dialogFileName);
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;

    if (m_dialogFileName.isEmpty()) {
        m_view.setLoadStartEnabled(false);
        return;
    }
    takeDialogFileName();
}

void FirmwareSelector::chooseFile(const QString &path)
{
    m_dialogFileName = path;
    takeDialogFileName();
}

void FirmwareSelector::takeDialogFileName()
{
    m_view.setFirmwareFileCaption(QString::fromLatin1(kLoadingCaption));
    m_view.setLoadStartEnabled(true);
    m_firmwarePath = m_dialogFileName;
    m_view.setFirmwareFileCaption(QFileInfo(m_dialogFileName).fileName());
}
