#pragma once

#include <QDialog>

class QPlainTextEdit;
struct StationUnit;

// One unit's full log from its latest run, with a way to keep it.
class UnitLogDialog : public QDialog
{
    Q_OBJECT

public:
    UnitLogDialog(const StationUnit &unit, QWidget *parent = nullptr);

private:
    void save();

    QPlainTextEdit *m_text = nullptr;
    QString m_suggestedName;
};
