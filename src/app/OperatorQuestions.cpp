#include "OperatorQuestions.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QString OperatorQuestions::stopQuestion()
{
    return tr("Stop the upload now?\n\nThe unit stays in programming mode until it gets a whole "
              "firmware file or is restarted.");
}

QString OperatorQuestions::whereToSaveLog(QWidget *parent, const QString &suggested)
{
    // Like the open dialog: a desktop's native dialog may need an event loop the program
    // does not run.
    return QFileDialog::getSaveFileName(parent, tr("Save Log As"), suggested,
                                        tr("Log files") + QStringLiteral(" (*.log *.txt)"), nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

bool OperatorQuestions::stopTransfer(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Warning, tr("Stop the upload"), question, QMessageBox::NoButton,
                    parent);
    QPushButton *stop = box.addButton(tr("&Stop"), QMessageBox::DestructiveRole);
    QPushButton *carryOn = box.addButton(tr("&Continue"), QMessageBox::RejectRole);
    box.setDefaultButton(carryOn);
    box.setEscapeButton(carryOn);
    box.exec();
    return box.clickedButton() == stop;
}
