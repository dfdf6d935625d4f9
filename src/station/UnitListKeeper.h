#pragma once

#include <QObject>
#include <QString>

class QWidget;
class StationSession;
class UnitListModel;

// The units list's files and its place in the settings: a list opened from a file replaces the
// rows, the rows are saved as a list, and the rows are remembered for the next session. What the
// operator should see goes out through the signals; the window shows it.
class UnitListKeeper : public QObject
{
    Q_OBJECT

public:
    UnitListKeeper(UnitListModel &model, StationSession &session, QWidget *parent);

    // False, with the reason told, when the file cannot be read.
    bool open(const QString &path);
    // Asks for a list and opens it.
    void chooseAndOpen();
    // Asks for a file name and saves the rows there as a list.
    void saveAs();
    // Keeps the rows as the list of the next session.
    void remember();

Q_SIGNALS:
    void opened();
    void problem(const QString &text);
    void statusMessage(const QString &text);

private:
    UnitListModel &m_model;
    StationSession &m_session;
    QWidget *m_dialogParent = nullptr;
};
