#include "RememberingFileDialog.h"

#include "WindowMemory.h"

#include <QFileInfo>

RememberingFileDialog::RememberingFileDialog(OpenFileDialog &dialog, WindowMemory &memory)
    : m_dialog(dialog), m_memory(memory)
{}

QString RememberingFileDialog::show(const OpenFileDialogSettings &settings,
                                    const QString &initialFileName)
{
    OpenFileDialogSettings adjusted = settings;
    const QString remembered = m_memory.firmwareFolder();
    if (!remembered.isEmpty() &&
        settings.initialFolder == QLatin1String(OpenFileDialogSettings::kCurrentFolder))
        adjusted.initialFolder = remembered;

    const QString chosen = m_dialog.show(adjusted, initialFileName);
    if (!chosen.isEmpty())
        m_memory.setFirmwareFolder(QFileInfo(chosen).absolutePath());
    return chosen;
}
