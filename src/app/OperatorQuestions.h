#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The two questions the window puts to the operator, each only after the operator asked for
// something: where to save the log, and whether to stop a running transfer.
class OperatorQuestions
{
    Q_DECLARE_TR_FUNCTIONS(OperatorQuestions)

public:
    static QString stopQuestion();

    // The chosen path, or an empty text when the operator cancelled.
    static QString whereToSaveLog(QWidget *parent, const QString &suggested);
    // Whether the operator confirmed; Continue is the default and the answer to Esc.
    static bool stopTransfer(QWidget *parent, const QString &question);
};
