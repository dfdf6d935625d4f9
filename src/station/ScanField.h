#pragma once

#include <QWidget>

class QLineEdit;

// Where a barcode scanner types: it sends the label's code and Enter. Ctrl+B (or the label's
// mnemonic) brings the focus here from anywhere in the window; the field clears itself after
// each scan, ready for the next.
class ScanField : public QWidget
{
    Q_OBJECT

public:
    explicit ScanField(QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }

Q_SIGNALS:
    void scanned(const QString &code);

private:
    QLineEdit *m_edit = nullptr;
};
