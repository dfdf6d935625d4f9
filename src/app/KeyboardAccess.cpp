#include "KeyboardAccess.h"

#include "ClientArea.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

KeyboardAccess::KeyboardAccess(ClientArea &client, std::function<void()> chooseFile)
    : QObject(&client), m_label(client.FirmwareFile), m_chooseFile(std::move(chooseFile))
{
    QPushButton *start = client.LoadStart;
    start->setShortcut(startKey());
    start->setToolTip(startKey().toString(QKeySequence::NativeText));
    // A disabled button ignores click(), so Enter starts an upload exactly where the button would.
    for (QLineEdit *box : {client.EthernetAddress, client.EthernetPort})
        connect(box, &QLineEdit::returnPressed, start, &QPushButton::click);

    // Typing is checked, a saved or default value is shown as it is: the upload reports a port
    // it cannot use.
    client.EthernetPort->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}")), client.EthernetPort));

    makeLabelFocusable(client.FirmwareFile);
}

void KeyboardAccess::makeLabelFocusable(QLabel *label)
{
    label->setFocusPolicy(Qt::StrongFocus);
    // A label draws no focus of its own; the transparent border keeps the text where it is when
    // the dotted one appears.
    label->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid transparent; }"
                       "QLabel:focus { border: 1px dotted palette(window-text); }"));
    label->installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (m_label && watched == m_label.data() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && !key->isAutoRepeat() &&
            (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
             key->key() == Qt::Key_Enter)) {
            m_chooseFile();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
