#pragma once

#include "SerialSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Serial numbers section: whether each unit gets a number of its own written into its
// image, where, in which format, and from which source and pool.
class SerialDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SerialDialog(const SerialSettings &settings, QWidget *parent = nullptr);

    SerialSettings settings() const;
    // Why the settings cannot be taken as they stand; empty when they can.
    QString problem() const;

    void accept() override;

private:
    enum Source { Counter, List, HexList, Label };
    void showSource(int source);
    void browse();
    QString sourceText() const;

    QCheckBox *m_enabled = nullptr;
    QLineEdit *m_at = nullptr;
    QComboBox *m_format = nullptr;
    QComboBox *m_source = nullptr;
    QLineEdit *m_sourceValue = nullptr;
    QPushButton *m_browse = nullptr;
    QLineEdit *m_pool = nullptr;
    QLabel *m_problem = nullptr;
};
