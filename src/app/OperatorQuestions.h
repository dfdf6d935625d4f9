#pragma once

#include <QString>

class QWidget;

// The two questions the window puts to the operator, each only after the operator asked for
// something: where to save the log, and whether to stop a running transfer.
class OperatorQuestions
{
public:
    static const QString kStopQuestion;

    // The chosen path, or an empty text when the operator cancelled.
    static QString whereToSaveLog(QWidget *parent, const QString &suggested);
    // Whether the operator confirmed; Continue is the default and the answer to Esc.
    static bool stopTransfer(QWidget *parent, const QString &question);
};
