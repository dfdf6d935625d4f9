#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>

#include <functional>

class ClientArea;
class QLabel;

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
    void makeLabelFocusable(QLabel *label);

    // Kept apart from the client area, and only as an object: the filter still sees events
    // while the area and the label are being destroyed, when neither is what it was.
    QPointer<QObject> m_label;
    std::function<void()> m_chooseFile;
};
