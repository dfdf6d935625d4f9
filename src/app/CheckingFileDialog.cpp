#include "CheckingFileDialog.h"

CheckingFileDialog::CheckingFileDialog(OpenFileDialog &dialog,
                                       std::function<bool(const QString &)> accept)
    : m_dialog(dialog), m_accept(std::move(accept))
{}

QString CheckingFileDialog::show(const OpenFileDialogSettings &settings,
                                 const QString &initialFileName)
{
    const QString chosen = m_dialog.show(settings, initialFileName);
    if (chosen.isEmpty() || m_accept(chosen))
        return chosen;
    return {};
}
