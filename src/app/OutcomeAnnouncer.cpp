#include "OutcomeAnnouncer.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

OutcomeAnnouncer::OutcomeAnnouncer(QWidget &window, QStatusBar &statusBar, const QString &title)
    : QObject(&window), m_window(window), m_label(new QLabel(&statusBar)), m_title(title),
      m_notifier(title)
{
    m_label->setObjectName(QStringLiteral("lblOutcome"));
    m_label->setAccessibleName(tr("Outcome"));
    m_label->setAccessibleDescription(tr("How the last upload ended: Finished or Failed"));
    // The socket state the status monitor writes keeps the left of the bar; the word keeps
    // clear of the window's edge.
    m_label->setContentsMargins(0, 0, 4, 0);
    statusBar.addPermanentWidget(m_label);
    m_label->hide();
}

void OutcomeAnnouncer::attemptStarted()
{
    m_label->clear();
    m_label->hide();
}

void OutcomeAnnouncer::attemptEnded(UploadOutcome outcome, bool seriesGoesOn)
{
    // Closing the window is no outcome to announce.
    if (outcome == UploadOutcome::Cancelled)
        return;
    const bool finished = outcome == UploadOutcome::Finished;
    const QString word = wordFor(outcome);
    m_label->setText(word);
    m_label->show();

    // A loop series that goes on is no end to call the operator back for.
    if (m_window.isActiveWindow() || seriesGoesOn)
        return;
    QApplication::alert(&m_window);
    //: A desktop notification's summary: the program's title, then how the upload ended.
    m_notifier.notify(tr("%1: %2").arg(m_title, word),
                      finished ? tr("The firmware was installed.")
                               : tr("The upload failed; the log says why."),
                      !finished);
}

QString OutcomeAnnouncer::wordFor(UploadOutcome outcome)
{
    if (outcome == UploadOutcome::Finished)
        //: How the last upload ended, in the status bar.
        return tr("Finished");
    if (outcome == UploadOutcome::Stopped)
        //: How the last upload ended, in the status bar: the operator stopped it.
        return tr("Stopped");
    //: How the last upload ended, in the status bar.
    return tr("Failed");
}

QString OutcomeAnnouncer::shownOutcome() const
{
    return m_label->isHidden() ? QString() : m_label->text();
}
