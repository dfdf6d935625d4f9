#pragma once

#include <QString>

// What choosing a firmware file changes in the window: the file label and the start button.
class FirmwareView
{
public:
    virtual ~FirmwareView() = default;

    virtual void setFirmwareFileCaption(const QString &caption) = 0;
    virtual void setLoadStartEnabled(bool enabled) = 0;
};
