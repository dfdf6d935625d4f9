#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// The bearer token of the HTTP interface: made at start from libsodium's random bytes, written
// to a file only its owner can read (in a folder only its owner can enter) for the line system
// to take, compared in constant time, and its file removed when the station ends.
class ApiToken
{
    Q_DECLARE_TR_FUNCTIONS(ApiToken)

public:
    ApiToken();
    ~ApiToken();
    ApiToken(const ApiToken &) = delete;
    ApiToken &operator=(const ApiToken &) = delete;

    QByteArray value() const { return m_value; }
    // Whether an Authorization header's value is "Bearer " and this token.
    bool accepts(const QByteArray &authorization) const;

    // $XDG_RUNTIME_DIR/FirmwareUploader/station-PORT.token; without XDG_RUNTIME_DIR, the same
    // under a folder of this user's own in the temporary folder.
    static QString defaultPath(quint16 port);
    // Writes the token (mode 0600), with makeFolders the default path's folders first (0700);
    // the reason when it cannot.
    std::optional<QString> writeTo(const QString &path, bool makeFolders);
    QString path() const { return m_path; }

private:
    static QString baseFolder();

    QByteArray m_value;
    QString m_path;
};
