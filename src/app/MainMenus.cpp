#include "MainMenus.h"

#include <QAction>
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
}

void MainMenus::createFileMenu(QMenuBar &bar)
{
    mnuFile = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFileOpen = addItem(mnuFile, "mnuFileOpen", QStringLiteral("&Open"));
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
