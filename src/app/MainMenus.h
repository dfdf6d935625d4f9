#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// The window's menu bar: File, the Tools menu of the test aids and Help.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainMenus(QMenuBar &bar);

    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuLoop = nullptr;
    QAction *mnuSlow = nullptr;
    QAction *mnuDebug = nullptr;
    QAction *mnuForget = nullptr;

private:
    void createFileMenu(QMenuBar &bar);
    void createToolsMenu(QMenuBar &bar);
};
