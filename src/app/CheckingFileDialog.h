#pragma once

#include "firmware/OpenFileDialog.h"

#include <functional>

// Checks the file the operator confirms in the dialog before anything takes it, as a dropped
// file is checked: a file that accept() refuses comes back as a cancel, so the earlier choice
// stands and nothing unusable reaches the start button.
class CheckingFileDialog : public OpenFileDialog
{
public:
    // accept says whether the file may be used, and tells the operator why not.
    CheckingFileDialog(OpenFileDialog &dialog, std::function<bool(const QString &)> accept);

    QString show(const OpenFileDialogSettings &settings, const QString &initialFileName) override;

private:
    OpenFileDialog &m_dialog;
    std::function<bool(const QString &)> m_accept;
};
