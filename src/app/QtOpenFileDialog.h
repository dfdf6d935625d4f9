#pragma once

#include "firmware/OpenFileDialog.h"

#include <QPointer>
#include <QStringList>

class QFileDialog;
class QWidget;

// The file-open dialog of the window, one long-lived QFileDialog. The toolkit has no read-only
// check box, so that flag is left out.
class QtOpenFileDialog : public OpenFileDialog
{
public:
    explicit QtOpenFileDialog(QWidget *parent = nullptr);
    ~QtOpenFileDialog() override;
    QtOpenFileDialog(const QtOpenFileDialog &) = delete;
    QtOpenFileDialog &operator=(const QtOpenFileDialog &) = delete;

    QString show(const OpenFileDialogSettings &settings, const QString &initialFileName) override;

    // Everything show() does before the dialog appears; tests look at the result in dialog().
    void apply(const OpenFileDialogSettings &settings, const QString &initialFileName);
    QFileDialog &dialog() const;

    // "Firmware Files (*.hex)|*.hex" as Qt writes it: one "Description (patterns)" per entry.
    // The patterns in parentheses are the ones that filter, so they are always the real ones.
    static QStringList nameFilters(const QString &filter);
    // The folder the dialog opens in; "%__CD__%" and an empty text mean the current folder.
    static QString resolveFolder(const QString &folder);

private:
    QPointer<QFileDialog> m_dialog;
};
