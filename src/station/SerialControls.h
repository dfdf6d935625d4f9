#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class StationRunner;
class StationSession;

// File > Serial numbers...: the settings kept with the session and handed to every run, and a
// label in the status bar that says whether and how numbers are written.
class SerialControls : public QObject
{
    Q_OBJECT

public:
    SerialControls(StationSession &session, StationRunner &runner, QWidget *window);

    QAction *addAction(QMenu *file);
    QLabel *statusLabel() const { return m_label; }
    // Applies what the session holds (at start, or after the command line changed it).
    void apply();

private:
    void edit();

    StationSession &m_session;
    StationRunner &m_runner;
    QWidget *m_window = nullptr;
    QLabel *m_label = nullptr;
};
