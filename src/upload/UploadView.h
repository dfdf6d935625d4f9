#pragma once

#include "connection/ConnectionView.h"
#include "firmware/FirmwareView.h"

#include <QString>

class ActivityLog;

// The controls the upload reaches: the four that an upload disables and gives back.
enum class StartControl { LoadStart, FirmwareFile, EthernetAddress, EthernetPort };

// The Tools options; their check marks are their only store.
enum class Tool { Loop, Slow, Debug };

// The engine's one way to the window. The window implements it with widgets; tests and the
// command-line front-end implement it with plain values (BasicUploadView). The parts that the
// connection and firmware sides drive are declared there, so that their code never reaches up.
class UploadView : public ConnectionView, public FirmwareView
{
public:
    virtual ActivityLog &activityLog() = 0;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual int progressMaximum() const = 0;
    virtual void setProgressValue(int value) = 0;
    virtual int progressValue() const = 0;

    virtual void setControlEnabled(StartControl control, bool enabled) = 0;
    virtual bool isControlEnabled(StartControl control) const = 0;

    void setLoadStartEnabled(bool enabled) final
    {
        setControlEnabled(StartControl::LoadStart, enabled);
    }

    virtual bool isChecked(Tool tool) const = 0;
    virtual void setChecked(Tool tool, bool checked) = 0;
};
