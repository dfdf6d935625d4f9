#pragma once

#include <QByteArray>
#include <QString>

// One unit's data: the text that is stored and shown, in one canonical spelling per value (two
// units never get one value because it was written two ways), and the bytes written into the
// image.
struct SerialValue
{
    QString text;
    QByteArray bytes;
    bool operator==(const SerialValue &other) const = default;
};
