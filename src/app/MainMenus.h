#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

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
    QAction *mnuFileSaveLog = nullptr;
    QAction *mnuFileTrustedKeys = nullptr;
    QAction *mnuFileStop = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuTools = nullptr;
    QAction *mnuLoop = nullptr;
    QAction *mnuSlow = nullptr;
    QAction *mnuDebug = nullptr;
    QAction *mnuForget = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpShortcuts = nullptr;
    QAction *mnuHelpAbout = nullptr;

    // The keys the window answers to, for the Help menu: key and what it does.
    static QList<std::pair<QString, QString>> shortcuts();

private:
    void createFileMenu(QMenuBar &bar);
    void createToolsMenu(QMenuBar &bar);
    void createHelpMenu(QMenuBar &bar);
};
