#include "MainMenus.h"

#include "KeyboardAccess.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *addToggle(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = addItem(menu, name, caption);
    action->setCheckable(true);
    return action;
}

QMenu *addMenu(QMenuBar &bar, const char *name, const QString &caption)
{
    QMenu *menu = bar.addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

MainMenus::MainMenus(QMenuBar &bar) : QObject(&bar)
{
    createFileMenu(bar);
    createToolsMenu(bar);
    createHelpMenu(bar);
}

void MainMenus::createFileMenu(QMenuBar &bar)
{
    mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFileOpen = addItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open"));
    mnuFileOpen->setShortcut(QKeySequence::Open);
    mnuFileSaveLog = addItem(mnuFile, "mnuFileSaveLog", QStringLiteral("Save Log &As\u2026"));
    mnuFileSaveLog->setShortcut(QKeySequence::Save);
    mnuFileTrustedKeys =
        addItem(mnuFile, "mnuFileTrustedKeys", QStringLiteral("Trusted &Keys\u2026"));
    mnuFileStop = addItem(mnuFile, "mnuFileStop", QStringLiteral("S&top"));
    mnuFileStop->setShortcut(Qt::Key_Escape);
    mnuFileStop->setEnabled(false);
    mnuFile->addSeparator();
    mnuFileExit = addItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));
}

void MainMenus::createToolsMenu(QMenuBar &bar)
{
    mnuTools = addMenu(bar, "mnuTools", QStringLiteral("&Tools"));
    mnuLoop = addToggle(mnuTools, "mnuLoop", QStringLiteral("&Loop"));
    mnuSlow = addToggle(mnuTools, "mnuSlow", QStringLiteral("&Slow"));
    mnuDebug = addToggle(mnuTools, "mnuDebug", QStringLiteral("&Debug"));
    mnuForget = addItem(mnuTools, "mnuForget", QStringLiteral("Forget"));
}

void MainMenus::createHelpMenu(QMenuBar &bar)
{
    mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpShortcuts = addItem(mnuHelp, "mnuHelpShortcuts", QStringLiteral("&Keyboard Shortcuts"));
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", QStringLiteral("&About"));
}

QList<std::pair<QString, QString>> MainMenus::shortcuts()
{
    auto key = [](const QKeySequence &sequence) {
        return sequence.toString(QKeySequence::NativeText);
    };
    return {
        {key(QKeySequence::Open), QStringLiteral("Choose the firmware file (or drop a .hex file "
                                                 "anywhere on the window)")},
        {key(KeyboardAccess::startKey()), QStringLiteral("Load and Start")},
        {QStringLiteral("Enter"),
         QStringLiteral("In the address or port box: Load and Start; on the file label: choose "
                        "the firmware file")},
        {key(QKeySequence::Save), QStringLiteral("Save the log to a text file")},
        {key(QKeySequence(Qt::Key_Escape)),
         QStringLiteral("Stop the upload while it connects or sends")},
        {key(QKeySequence::Copy), QStringLiteral("Copy the selected log line")},
        {QStringLiteral("Alt+F, X"), QStringLiteral("Exit")},
        {QStringLiteral("Tab"), QStringLiteral("Move between the log, the address, the port, "
                                               "Load and Start and the file label")},
        {QStringLiteral("Space"),
         QStringLiteral("Press Load and Start, or choose the firmware file on the file label")},
    };
}
