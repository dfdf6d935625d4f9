#pragma once

#include "firmware/OpenFileDialog.h"

class WindowMemory;

// Opens the firmware dialog in the folder of the last firmware file rather than the current
// folder, and remembers the folder of each file the operator confirms.
class RememberingFileDialog : public OpenFileDialog
{
public:
    RememberingFileDialog(OpenFileDialog &dialog, WindowMemory &memory);

    QString show(const OpenFileDialogSettings &settings, const QString &initialFileName) override;

private:
    OpenFileDialog &m_dialog;
    WindowMemory &m_memory;
};
