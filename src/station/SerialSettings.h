#pragma once

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct StationUnit;

// How the station has each unit's own number written into its image: off, or where, in which
// format and from which source. The uploaders take the numbers; the station only hands every
// one of them the same settings, or a unit's scanned label as its number.
struct SerialSettings
{
    Q_DECLARE_TR_FUNCTIONS(SerialSettings)

public:
    // The source that writes each unit's scanned label (its serial column) as its number.
    static constexpr const char *kLabelSource = "label";

    bool enabled = false;
    QString at;                            // ADDRESS:LENGTH
    QString format = QStringLiteral("le"); // le, be, ascii, hex or bytes
    QString from;                          // counter:..., list:FILE, hexlist:FILE or "label"
    QString pool;                          // empty: the uploaders' default (the title)

    bool usesLabel() const { return from == QLatin1String(kLabelSource); }
    // What a unit's uploader is given; empty when the numbers are off. value, when given, is the
    // unit's own for this run, in place of the source's.
    QStringList uploaderArguments(const StationUnit &unit, const QString &value = {}) const;
    // Why the settings cannot be used as they stand; empty when they can (or are off).
    QString problem() const;
    // Why a unit cannot be flashed with these settings (a label source and no label); empty when
    // it can.
    QString problemFor(const StationUnit &unit, const QString &value = {}) const;
    // One line for the operator: "off", or the region, format and source.
    QString describe() const;

    // The settings' keys and values; a default object's are the defaults to read with.
    QList<SettingsStore::Value> values() const;
    // From values read in the order of values().
    static SerialSettings fromValues(const QStringList &values);
};
