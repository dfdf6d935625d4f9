#pragma once

#include <QString>

// What the file-open dialog is told before it is shown.
struct OpenFileDialogSettings
{
    // The read-only check box starts checked.
    static constexpr int kReadOnly = 0x0001;
    // Only the name of an existing file can be confirmed.
    static constexpr int kFileMustExist = 0x1000;
    // Stands for the process's current folder.
    static constexpr const char *kCurrentFolder = "%__CD__%";

    QString title;
    // Cancel returns an empty path rather than failing.
    bool cancelError = false;
    int flags = 0;
    QString initialFolder;
    // "Description|pattern" pairs joined by '|'; patterns within a pair joined by ';'.
    QString filter;
};

// The modal file-open dialog, behind a seam so that tests can answer it.
class OpenFileDialog
{
public:
    virtual ~OpenFileDialog() = default;

    // Shows the dialog with initialFileName proposed and waits for the operator. Returns the
    // chosen file's full path, or an empty text when the operator cancelled.
    virtual QString show(const OpenFileDialogSettings &settings,
                         const QString &initialFileName) = 0;
};
