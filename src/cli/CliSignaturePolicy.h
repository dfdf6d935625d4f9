#pragma once

#include "firmware/PublicKey.h"

#include <QList>
#include <QString>

class SettingsStore;
struct CliOptions;

// Which keys a run's image must be signed with, and why. --public-key decides alone; without it
// the title's trusted keys and its "Flash only signed firmware" setting apply, the same values the
// window writes, so that no script gets round the line's policy by leaving the option out.
struct CliSignaturePolicy
{
    static CliSignaturePolicy forRun(const CliOptions &options, const SettingsStore &settings);

    // Whether only an image whose signature verifies with one of keys is flashed.
    bool required = false;
    QList<PublicKey> keys;
    // A key that cannot be used, or the setting on without any trusted key: nothing is flashed.
    QString problem;
    // The signature check's reason as the refusal says it: when the setting, not the command
    // line, refuses, it names the setting and where it is changed.
    QString refusal(const QString &reason) const;

private:
    // Set when the title's setting decides: the title and the settings file that holds it.
    QString m_settingTitle;
    QString m_settingsFile;
};
