#pragma once

#include "DesktopNotifier.h"
#include "upload/UploadOutcome.h"

#include <QObject>

class QLabel;
class QStatusBar;
class QWidget;

// Tells the operator how an attempt ended in words, not only by the log's colour: a word in the
// status bar that stays until the next attempt starts, and, when the window is in the
// background, a request for attention and a desktop notification.
class OutcomeAnnouncer : public QObject
{
    Q_OBJECT

public:
    OutcomeAnnouncer(QWidget &window, QStatusBar &statusBar, const QString &title);

    void attemptStarted();
    // seriesGoesOn: loop mode starts the next attempt at once.
    void attemptEnded(UploadOutcome outcome, bool seriesGoesOn = false);

    // "Finished", "Failed", "Stopped", or empty while an attempt runs or before the first.
    QString shownOutcome() const;

private:
    // The word the status bar shows.
    static QString wordFor(UploadOutcome outcome);

    QWidget &m_window;
    QLabel *m_label = nullptr;
    QString m_title;
    DesktopNotifier m_notifier;
};
