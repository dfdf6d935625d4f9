#pragma once

#include <QString>

#include <optional>

// Where the flash history is kept, as given by --history, FWU_HISTORY or the default:
// "sqlite:///path/file.sqlite", "postgresql://user@host:port/dbname" (libpq's URI forms,
// "?host=/socket/dir" included) or "off".
class HistoryLocation
{
public:
    enum class Kind { Off, Sqlite, Postgres, Invalid };

    // The name of the environment variable that sets the history when no option does.
    static constexpr const char *kEnvironmentVariable = "FWU_HISTORY";

    static HistoryLocation parse(const QString &text);
    // The option's value when given, else FWU_HISTORY when set, else the default file.
    static HistoryLocation resolve(const std::optional<QString> &option);
    // $XDG_DATA_HOME/FirmwareUploader/history.sqlite
    static QString defaultPath();

    Kind kind() const { return m_kind; }
    bool isOff() const { return m_kind == Kind::Off; }
    // Why the text was refused (Kind::Invalid).
    QString error() const { return m_error; }
    // The location for messages: the file, or the URL without its password.
    QString display() const;
    // A message with this location's password taken out, wherever it shows: in the URL, as a
    // connection string's password=..., or alone.
    QString scrub(const QString &message) const;
    // A history text as given, without the password it may hold, for messages about a text that
    // could not be read.
    static QString withoutPassword(const QString &text);

    // SQLite
    QString path() const { return m_path; }
    // PostgreSQL; the options are libpq's "key='value'" pairs separated by ';', as the QPSQL
    // driver takes them.
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString user() const { return m_user; }
    QString password() const { return m_password; }
    QString database() const { return m_database; }
    QString connectOptions() const { return m_connectOptions; }

private:
    static HistoryLocation invalid(const QString &text, const QString &why);
    static HistoryLocation parsePostgres(const QString &text, const QString &rest);
    std::optional<QString> takeParameter(const QString &key, const QString &value);
    std::optional<QString> takeAuthority(const QString &authority);
    bool hasOption(const QString &key) const;

    Kind m_kind = Kind::Invalid;
    QString m_error;
    QString m_text;
    QString m_path;
    QString m_host;
    int m_port = -1;
    QString m_user;
    QString m_password;
    QString m_database;
    QString m_connectOptions;
};
