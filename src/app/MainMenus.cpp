#include "MainMenus.h"

#include "platform/view/LanguageMenu.h"

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
    mnuFile = addMenu(bar, "mnuFile", tr("&File"));
    mnuFileOpen = addItem(mnuFile, "mnuFileOpen", tr("&Open"));
    mnuFileOpen->setShortcut(QKeySequence::Open);
    mnuFileSaveLog = addItem(mnuFile, "mnuFileSaveLog", tr("Save Log &As\u2026"));
    mnuFileSaveLog->setShortcut(QKeySequence::Save);
    mnuFileTrustedKeys = addItem(mnuFile, "mnuFileTrustedKeys", tr("Trusted &Keys\u2026"));
    mnuFileStop = addItem(mnuFile, "mnuFileStop", tr("S&top"));
    mnuFileStop->setShortcut(Qt::Key_Escape);
    mnuFileStop->setEnabled(false);
    mnuFile->addSeparator();
    mnuFileExit = addItem(mnuFile, "mnuFileExit", tr("E&xit"));
}

void MainMenus::createToolsMenu(QMenuBar &bar)
{
    mnuTools = addMenu(bar, "mnuTools", tr("&Tools"));
    //: Tools menu toggle: start the upload again after each finished one.
    mnuLoop = addToggle(mnuTools, "mnuLoop", tr("&Loop"));
    //: Tools menu toggle: send the records at a slower pace.
    mnuSlow = addToggle(mnuTools, "mnuSlow", tr("&Slow"));
    //: Tools menu toggle: write more detail to the log.
    mnuDebug = addToggle(mnuTools, "mnuDebug", tr("&Debug"));
    //: Tools menu item: drop the remembered address and port.
    mnuForget = addItem(mnuTools, "mnuForget", tr("Forget"));
}

void MainMenus::createHelpMenu(QMenuBar &bar)
{
    mnuHelp = addMenu(bar, "mnuHelp", tr("&Help"));
    mnuHelpShortcuts = addItem(mnuHelp, "mnuHelpShortcuts", tr("&Keyboard Shortcuts"));
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", tr("&About"));
    // The language of the next start, remembered for the user.
    mnuHelp->addMenu(new LanguageMenu(SettingsStore(), mnuHelp));
}

QList<std::pair<QString, QString>> MainMenus::shortcuts()
{
    auto key = [](const QKeySequence &sequence) {
        return sequence.toString(QKeySequence::NativeText);
    };
    return {
        {key(QKeySequence::Open),
         tr("Choose the firmware file (or drop a .hex file anywhere on the window)")},
        {key(KeyboardAccess::startKey()), tr("Load and Start")},
        //: The name of the key, as printed on keyboards.
        {tr("Enter"), tr("In the address or port box: Load and Start; on the file label: choose "
                         "the firmware file")},
        {key(QKeySequence::Save), tr("Save the log to a text file")},
        {key(QKeySequence(Qt::Key_Escape)), tr("Stop the upload while it connects or sends")},
        {key(QKeySequence::Copy), tr("Copy the selected log line")},
        //: The keys of File > Exit: Alt with the File menu's underlined letter, then Exit's.
        {tr("Alt+F, X"), tr("Exit")},
        //: The name of the key, as printed on keyboards.
        {tr("Tab"), tr("Move between the log, the address, the port, Load and Start and the file "
                       "label")},
        //: The name of the key, as printed on keyboards.
        {tr("Space"), tr("Press Load and Start, or choose the firmware file on the file label")},
    };
}
