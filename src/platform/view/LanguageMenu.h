#pragma once

#include "platform/SettingsStore.h"

#include <QMenu>

class QActionGroup;

// Help > Language: the system's language or one of those the programs speak. The choice is kept
// in the user's settings and takes effect when the program next starts.
class LanguageMenu : public QMenu
{
    Q_OBJECT

public:
    explicit LanguageMenu(SettingsStore settings = SettingsStore(), QWidget *parent = nullptr);

    // The code of the checked entry; empty for the system's language.
    QString checkedCode() const;

Q_SIGNALS:
    // A new choice was saved: the code, empty for the system's language.
    void chosen(const QString &code);

private:
    void addEntry(const QString &text, const QString &code);
    void choose(const QString &code);
    void tellRestart();

    SettingsStore m_settings;
    QActionGroup *m_group;
};
