#pragma once

#include <QStringList>

class QAbstractButton;
class QAction;
class QGroupBox;
class QHeaderView;
class QLabel;
class QMenuBar;
class QWidget;

// Finds the texts a shown window cannot show whole: buttons, labels, group box titles and
// header sections narrower than their text, menu titles the menu bar has no room for, and
// accelerators shared within one menu. Each problem names the widget and its text.
class CutTextFinder
{
public:
    static QStringList problems(const QWidget &window);

    // The text as shown: accelerator marks taken out ("&&" stays one '&').
    static QString shownText(const QString &text);

private:
    static QString buttonProblem(const QAbstractButton &button);
    static QString labelProblem(const QLabel &label);
    static QString groupBoxProblem(const QGroupBox &box);
    static QStringList headerProblems(const QHeaderView &header);
    static QStringList menuBarProblems(const QMenuBar &bar);
    static QStringList sharedAccelerators(const QString &where, const QList<QAction *> &actions);
    static QString describe(const QWidget &widget, const QString &text);
};
