#include "OutcomeAnnouncer.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

OutcomeAnnouncer::OutcomeAnnouncer(QWidget &window, QStatusBar &statusBar, const QString &title)
    : QObject(&window), m_window(window), m_label(new QLabel(&statusBar)), m_title(title),
      m_notifier(title)
{
    m_label->setObjectName(QStringLiteral("lblOutcome"));
    m_label->setAccessibleName(QStringLiteral("Outcome"));
    m_label->setAccessibleDescription(
        QStringLiteral("How the last upload ended: Finished or Failed"));
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

void OutcomeAnnouncer::attemptEnded(UploadOutcome outcome)
{
    // Closing the window is no outcome to announce.
    if (outcome == UploadOutcome::Cancelled)
        return;
    const bool finished = outcome == UploadOutcome::Finished;
    const QString word = finished                            ? QStringLiteral("Finished")
                         : outcome == UploadOutcome::Stopped ? QStringLiteral("Stopped")
                                                             : QStringLiteral("Failed");
    m_label->setText(word);
    m_label->show();

    if (m_window.isActiveWindow())
        return;
    QApplication::alert(&m_window);
    m_notifier.notify(m_title + QStringLiteral(": ") + word,
                      finished ? QStringLiteral("The firmware was installed.")
                               : QStringLiteral("The upload failed; the log says why."),
                      !finished);
}

QString OutcomeAnnouncer::shownOutcome() const
{
    return m_label->isHidden() ? QString() : m_label->text();
}
