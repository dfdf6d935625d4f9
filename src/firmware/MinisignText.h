#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The text layout that signed-file keys and signatures share: comment lines and lines of strict
// base64, read from small files whose size is bounded before anything is parsed.
class MinisignText
{
public:
    // A key or signature file is a few hundred bytes; the trusted comment allows some more.
    static constexpr qint64 kMaxFileSize = 16 * 1024;
    static constexpr qsizetype kKeyIdSize = 8;

    // The lines of text, each without its LF or CR LF; an empty last line after the final
    // terminator is dropped.
    static QList<QByteArray> lines(const QByteArray &text);
    // The bytes of one line of standard base64 with padding, when it decodes to exactly size
    // bytes; otherwise a reason naming what the line should hold.
    static std::optional<QByteArray> decode(const QByteArray &line, qsizetype size,
                                            const QString &what, QString *problem);
    // The key ID as the signing tool prints it: 16 hex digits of the little-endian number.
    static QString keyIdText(const QByteArray &keyId);
    // The whole file when it exists and is small enough; otherwise a reason, which begins with
    // what (e.g. "the signature file").
    static std::optional<QByteArray> readSmallFile(const QString &path, const QString &what,
                                                   QString *problem);
};
