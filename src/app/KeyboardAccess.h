#pragma once

#include <QKeySequence>
#include <QObject>

#include <functional>

class ClientArea;

// The window worked with the keyboard alone. Alt+L presses "Load and Start" (its caption stays
// as drawn), Enter in the address or port box presses it wherever a click would, the port box
// takes digits only, and the file label takes the focus in its place in the Tab order, where
// Space or Enter opens the file dialog.
class KeyboardAccess : public QObject
{
    Q_OBJECT

public:
    static QKeySequence startKey() { return QKeySequence(Qt::ALT | Qt::Key_L); }

    // chooseFile opens the file dialog, as a click on the label does.
    KeyboardAccess(ClientArea &client, std::function<void()> chooseFile);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeLabelFocusable();

    ClientArea &m_client;
    std::function<void()> m_chooseFile;
};
