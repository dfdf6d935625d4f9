#pragma once

#include "ApiError.h"
#include "StationUnit.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// The bodies the station's HTTP interface takes, read without touching the station: a body that
// is not what the resource expects is refused here, whole, before anything changes. Pure: no
// server, no window, so that it can be fuzzed.
class ApiRequestParser
{
    Q_DECLARE_TR_FUNCTIONS(ApiRequestParser)

public:
    // Larger bodies are refused unread (413).
    static constexpr qsizetype kMaxBodyBytes = 1024 * 1024;

    struct FirmwareRequest
    {
        QString path;
        QByteArray sha256; // lower-case hex; empty: not checked
    };
    struct RunRequest
    {
        enum class Which { Named, All, Failed };
        Which which = Which::All;
        QStringList names;
        QByteArray expectSha256; // lower-case hex; empty: not checked
        // Each named unit's own value for this run ("serials"), in place of the pool's next.
        QHash<QString, QString> serials;
    };
    struct StopRequest
    {
        std::optional<QStringList> names; // nullopt: every unit of the run
    };

    template <typename T> using Result = std::variant<T, ApiError>;

    static Result<FirmwareRequest> firmware(const QByteArray &body);
    static Result<RunRequest> run(const QByteArray &body);
    // An empty body stops the whole run.
    static Result<StopRequest> stop(const QByteArray &body);
    // A JSON list of unit objects: name, address, port (number or text), title, serial.
    static Result<QList<StationUnit>> units(const QByteArray &body);
    // "after" of the event feed: a whole number from 0; absent: 0.
    static Result<qint64> after(const QString &text, bool present);

    static ApiError badRequest(const QString &reason);
};
