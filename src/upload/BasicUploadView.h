#pragma once

#include "ActivityLog.h"
#include "UploadView.h"

#include <QObject>

#include <array>

// An UploadView made of plain values: for tests and front-ends without widgets.
class BasicUploadView : public QObject, public UploadView
{
    Q_OBJECT

public:
    using QObject::QObject;

    ActivityLog &activityLog() override { return m_log; }

    void setProgressMaximum(int maximum) override { m_progressMaximum = maximum; }
    int progressMaximum() const override { return m_progressMaximum; }
    void setProgressValue(int value) override;
    int progressValue() const override { return m_progressValue; }

    void setStatusText(const QString &text) override;
    QString statusText() const { return m_statusText; }

    void setControlEnabled(StartControl control, bool enabled) override;
    bool isControlEnabled(StartControl control) const override;

    QString ethernetAddress() const override { return m_address; }
    void setEthernetAddress(const QString &text) override { m_address = text; }
    QString ethernetPort() const override { return m_port; }
    void setEthernetPort(const QString &text) override { m_port = text; }

    void setFirmwareFileCaption(const QString &caption) override { m_fileCaption = caption; }
    QString firmwareFileCaption() const { return m_fileCaption; }

    bool isChecked(Tool tool) const override { return m_checked[std::size_t(tool)]; }
    void setChecked(Tool tool, bool checked) override { m_checked[std::size_t(tool)] = checked; }

Q_SIGNALS:
    void progressChanged(int value, int maximum);
    void statusTextChanged(const QString &text);

private:
    ActivityLog m_log;
    int m_progressMaximum = 100;
    int m_progressValue = 0;
    QString m_statusText;
    std::array<bool, 4> m_enabled{true, true, true, true};
    QString m_address;
    QString m_port;
    QString m_fileCaption;
    std::array<bool, 3> m_checked{};
};
