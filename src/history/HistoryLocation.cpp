#include "HistoryLocation.h"

#include "platform/CoreText.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kSqliteScheme = QStringLiteral("sqlite://");
const QStringList kPostgresSchemes{QStringLiteral("postgresql://"), QStringLiteral("postgres://")};
// A server that does not answer must not hold an uploader up for long: the history is a record.
const QString kDefaultConnectTimeout = QStringLiteral("5");
const QString kHidden = QStringLiteral("***");

QString decoded(const QString &text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

} // namespace

HistoryLocation HistoryLocation::invalid(const QString &text, const QString &why)
{
    HistoryLocation location;
    location.m_kind = Kind::Invalid;
    location.m_text = text;
    location.m_error =
        CoreText::english("the history \"%1\" cannot be used: %2").arg(withoutPassword(text), why);
    return location;
}

QString HistoryLocation::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/FirmwareUploader/history.sqlite");
}

HistoryLocation HistoryLocation::resolve(const std::optional<QString> &option)
{
    if (option)
        return parse(*option);
    const QString fromEnvironment = qEnvironmentVariable(kEnvironmentVariable);
    if (!fromEnvironment.isEmpty())
        return parse(fromEnvironment);
    return parse(QStringLiteral("sqlite://") + defaultPath());
}

HistoryLocation HistoryLocation::parse(const QString &text)
{
    if (text == QLatin1String("off")) {
        HistoryLocation location;
        location.m_kind = Kind::Off;
        location.m_text = text;
        return location;
    }
    if (text.startsWith(kSqliteScheme)) {
        const QString path = decoded(text.mid(kSqliteScheme.size()));
        if (!path.startsWith(QLatin1Char('/')) || path.size() < 2 || path.contains(QChar(u'\0')))
            return invalid(text,
                           CoreText::english("an SQLite history needs an absolute file name, as in "
                                             "sqlite:///path/history.sqlite"));
        HistoryLocation location;
        location.m_kind = Kind::Sqlite;
        location.m_text = text;
        location.m_path = QDir::cleanPath(path);
        return location;
    }
    for (const QString &scheme : kPostgresSchemes) {
        if (text.startsWith(scheme))
            return parsePostgres(text, text.mid(scheme.size()));
    }
    return invalid(text, CoreText::english("give sqlite:///path/file.sqlite, "
                                           "postgresql://user@host:port/dbname or off"));
}

HistoryLocation HistoryLocation::parsePostgres(const QString &text, const QString &rest)
{
    HistoryLocation location;
    location.m_kind = Kind::Postgres;
    location.m_text = text;
    const qsizetype queryStart = rest.indexOf(QLatin1Char('?'));
    const QString beforeQuery = rest.left(queryStart);
    const qsizetype pathStart = beforeQuery.indexOf(QLatin1Char('/'));
    if (std::optional<QString> problem = location.takeAuthority(beforeQuery.left(pathStart)))
        return invalid(text, *problem);
    if (pathStart >= 0)
        location.m_database = decoded(beforeQuery.mid(pathStart + 1));
    if (queryStart >= 0) {
        const QStringList pairs = rest.mid(queryStart + 1).split(QLatin1Char('&'));
        for (const QString &pair : pairs) {
            const qsizetype equals = pair.indexOf(QLatin1Char('='));
            if (equals <= 0)
                return invalid(text, CoreText::english("\"%1\" is no key=value pair").arg(pair));
            if (std::optional<QString> problem = location.takeParameter(
                    decoded(pair.left(equals)), decoded(pair.mid(equals + 1))))
                return invalid(text, *problem);
        }
    }
    // Neither a server that does not answer nor one that stops answering mid-statement may hold
    // an uploader up: its row is given up, its outcome stands. The keepalives notice a server
    // that went away while the connection was idle within seconds, not the system's two hours
    // (libpq ignores them on a Unix socket).
    const QList<QPair<QString, QString>> defaults{
        {QStringLiteral("connect_timeout"), kDefaultConnectTimeout},
        {QStringLiteral("tcp_user_timeout"), QStringLiteral("10000")},
        {QStringLiteral("keepalives"), QStringLiteral("1")},
        {QStringLiteral("keepalives_idle"), QStringLiteral("5")},
        {QStringLiteral("keepalives_interval"), QStringLiteral("2")},
        {QStringLiteral("keepalives_count"), QStringLiteral("3")},
        {QStringLiteral("options"), QStringLiteral("-c statement_timeout=10000")}};
    for (const auto &[key, value] : defaults) {
        if (!location.hasOption(key))
            location.takeParameter(key, value);
    }
    return location;
}

std::optional<QString> HistoryLocation::takeAuthority(const QString &authority)
{
    QString hostPort = authority;
    const qsizetype at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        hostPort = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        m_user = decoded(userInfo.left(colon));
        if (colon >= 0)
            m_password = decoded(userInfo.mid(colon + 1));
    }
    if (hostPort.contains(QLatin1Char(',')))
        return CoreText::english("one server only");
    QString portText;
    if (hostPort.startsWith(QLatin1Char('['))) {
        const qsizetype close = hostPort.indexOf(QLatin1Char(']'));
        if (close < 0)
            return CoreText::english("an IPv6 address without its closing bracket");
        m_host = hostPort.mid(1, close - 1);
        const QString after = hostPort.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return CoreText::english("unexpected text after the IPv6 address");
        portText = after.mid(1);
    } else {
        const qsizetype colon = hostPort.lastIndexOf(QLatin1Char(':'));
        m_host = decoded(hostPort.left(colon));
        if (colon >= 0)
            portText = hostPort.mid(colon + 1);
    }
    if (!portText.isEmpty())
        return takeParameter(QStringLiteral("port"), portText);
    return std::nullopt;
}

bool HistoryLocation::hasOption(const QString &key) const
{
    const QString assignment = key + QLatin1Char('=');
    return m_connectOptions.startsWith(assignment) ||
           m_connectOptions.contains(QLatin1Char(';') + assignment);
}

std::optional<QString> HistoryLocation::takeParameter(const QString &key, const QString &value)
{
    static const QRegularExpression keyPattern(QStringLiteral("^[a-z_]{1,40}$"));
    static const QRegularExpression portPattern(QStringLiteral("^[0-9]{1,5}$"));
    if (key == QLatin1String("host")) {
        m_host = value;
    } else if (key == QLatin1String("port")) {
        const int port = value.toInt();
        if (!portPattern.match(value).hasMatch() || port < 1 || port > 65535)
            return CoreText::english("the port must be a number from 1 to 65535, not \"%1\"")
                .arg(value);
        m_port = port;
    } else if (key == QLatin1String("user")) {
        m_user = value;
    } else if (key == QLatin1String("password")) {
        m_password = value;
    } else if (key == QLatin1String("dbname")) {
        m_database = value;
    } else {
        // The driver joins its options with ';', so a value cannot hold one.
        if (!keyPattern.match(key).hasMatch() || value.contains(QLatin1Char(';')))
            return CoreText::english("the parameter \"%1\" cannot be passed on").arg(key);
        QString quoted = value;
        quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        quoted.replace(QLatin1Char('\''), QStringLiteral("\\'"));
        if (!m_connectOptions.isEmpty())
            m_connectOptions += QLatin1Char(';');
        m_connectOptions += key + QStringLiteral("='") + quoted + QLatin1Char('\'');
    }
    return std::nullopt;
}

QString HistoryLocation::display() const
{
    switch (m_kind) {
    case Kind::Sqlite:
        return m_path;
    case Kind::Postgres:
        if (m_password.isEmpty())
            return m_text;
        // Rebuilt without the password, wherever the URL held it.
        return QStringLiteral("postgresql://%1@%2%3/%4")
                   .arg(m_user, m_host.startsWith(QLatin1Char('/')) ? QString() : m_host,
                        m_port > 0 ? QLatin1Char(':') + QString::number(m_port) : QString(),
                        m_database) +
               (m_host.startsWith(QLatin1Char('/')) ? QStringLiteral("?host=") + m_host
                                                    : QString());
    case Kind::Off:
    case Kind::Invalid:
        break;
    }
    return m_text;
}

QString HistoryLocation::withoutPassword(const QString &text)
{
    qsizetype schemeEnd = -1;
    for (const QString &scheme : kPostgresSchemes) {
        if (text.startsWith(scheme))
            schemeEnd = scheme.size();
    }
    if (schemeEnd < 0)
        return text;
    QString result = text;
    const qsizetype queryStart = result.indexOf(QLatin1Char('?'), schemeEnd);
    const qsizetype at = result.left(queryStart).lastIndexOf(QLatin1Char('@'));
    const qsizetype colon = result.indexOf(QLatin1Char(':'), schemeEnd);
    if (at > schemeEnd && colon >= 0 && colon < at)
        result.remove(colon, at - colon);
    static const QRegularExpression passwordPair(QStringLiteral("([?&])password=[^&]*&?"));
    result.replace(passwordPair, QStringLiteral("\\1"));
    if (result.endsWith(QLatin1Char('?')) || result.endsWith(QLatin1Char('&')))
        result.chop(1);
    return result;
}

QString HistoryLocation::scrub(const QString &message) const
{
    QString result = message;
    if (!m_text.isEmpty())
        result.replace(m_text, display());
    // libpq's connection strings: password='it''s' or password=plain.
    static const QRegularExpression passwordOption(
        QStringLiteral("password\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|\\S+)"));
    result.replace(passwordOption, QStringLiteral("password=") + kHidden);
    if (!m_password.isEmpty()) {
        result.replace(m_password, kHidden);
        result.replace(QString::fromLatin1(QUrl::toPercentEncoding(m_password)), kHidden);
    }
    return result;
}
