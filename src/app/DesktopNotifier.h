#pragma once

#include <QString>

// A desktop notification through the freedesktop notification service on the session bus.
// Without a session bus or without the service nothing is shown and nothing is reported: the
// window's own attention request still stands.
class DesktopNotifier
{
public:
    explicit DesktopNotifier(const QString &applicationName);

    bool isAvailable() const;
    // Sent without waiting for the answer.
    void notify(const QString &summary, const QString &body, bool failure) const;

private:
    QString m_applicationName;
};
