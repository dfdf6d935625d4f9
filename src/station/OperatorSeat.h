#pragma once

#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class SettingsStore;

// Who runs the station: named with --operator, asked for at start when the station is set so
// (File > Ask for the operator at start), else the login name. The name goes into every
// uploader's history rows and the station's events, and is shown in the status bar.
class OperatorSeat : public QObject
{
    Q_OBJECT

public:
    OperatorSeat(SettingsStore &store, QWidget *window);

    QString name() const;
    void setName(const QString &name);
    bool asksAtStart() const { return m_askAtStart; }
    // Asks when the setting says so; keeps the login name when the operator cancels.
    void askIfWanted();
    QAction *askAction() const { return m_askAction; }
    QLabel *label() const { return m_label; }

Q_SIGNALS:
    void nameChanged(const QString &name);

private:
    SettingsStore &m_store;
    QWidget *m_window;
    QString m_name;
    bool m_askAtStart = false;
    QAction *m_askAction = nullptr;
    QLabel *m_label = nullptr;
};
