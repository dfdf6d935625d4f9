#pragma once

#include "firmware/TrustedKeySettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class SettingsStore;
class QListWidget;
class QPushButton;

// File > Trusted Keys: the public keys whose signatures this title accepts, each shown by its
// key ID, and whether only firmware signed by one of them may be flashed.
class TrustedKeysDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TrustedKeysDialog(const TrustedKeySettings &settings, QWidget *parent = nullptr);

    // Shows the dialog for the title's settings; true when the operator changed and saved them
    // (a failed save is reported in a message box).
    static bool edit(QWidget *parent, const QString &title, SettingsStore &store);

    TrustedKeySettings settings() const { return m_settings; }
    // Adds the key of a key file; false and the reason when it cannot be used or is there.
    bool addKeyFile(const QString &path, QString *problem);

private:
    void onAdd();
    void onRemove();
    void showKeys();

    TrustedKeySettings m_settings;
    QListWidget *m_list = nullptr;
    QPushButton *m_remove = nullptr;
    QCheckBox *m_required = nullptr;
    QLabel *m_requiredHint = nullptr;
};
