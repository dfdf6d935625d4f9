#include "MinisignText.h"

#include "platform/CoreText.h"

#include <QFile>
#include <QFileInfo>

#include <sodium.h>

#include <algorithm>

QList<QByteArray> MinisignText::lines(const QByteArray &text)
{
    QList<QByteArray> result = text.split('\n');
    if (!result.isEmpty() && result.constLast().isEmpty())
        result.removeLast();
    for (QByteArray &line : result) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return result;
}

std::optional<QByteArray> MinisignText::decode(const QByteArray &line, qsizetype size,
                                               const QString &what, QString *problem)
{
    // Room for whatever the line holds, so that a longer value is told apart from bad text.
    QByteArray bytes(line.size() / 4 * 3 + 3, '\0');
    size_t length = 0;
    const char *end = nullptr;
    const int status = sodium_base642bin(
        reinterpret_cast<unsigned char *>(bytes.data()), size_t(bytes.size()), line.constData(),
        size_t(line.size()), nullptr, &length, &end, sodium_base64_VARIANT_ORIGINAL);
    if (status != 0 || end != line.constData() + line.size()) {
        *problem = CoreText::english("%1 is not valid base64.").arg(what);
        return std::nullopt;
    }
    if (qsizetype(length) != size) {
        *problem =
            CoreText::english("%1 has %2 bytes instead of %3.").arg(what).arg(length).arg(size);
        return std::nullopt;
    }
    bytes.truncate(size);
    return bytes;
}

QString MinisignText::keyIdText(const QByteArray &keyId)
{
    QByteArray bigEndian(keyId);
    std::reverse(bigEndian.begin(), bigEndian.end());
    return QString::fromLatin1(bigEndian.toHex().toUpper());
}

std::optional<QByteArray> MinisignText::readSmallFile(const QString &path, const QString &what,
                                                      QString *problem)
{
    QFile file(path);
    const QFileInfo info(path);
    if (info.isDir()) {
        *problem = CoreText::english("%1 \"%2\" is a folder.").arg(what, path);
        return std::nullopt;
    }
    // A pipe or a device put in its place would stall the program or feed it without end.
    if (info.exists() && !info.isFile()) {
        *problem = CoreText::english("%1 \"%2\" is not a regular file.").arg(what, path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *problem =
            CoreText::english("cannot read %1 \"%2\": %3").arg(what, path, file.errorString());
        return std::nullopt;
    }
    // Read one byte past the limit rather than trusting the size: a pipe or a device has none.
    const QByteArray content = file.read(kMaxFileSize + 1);
    if (content.size() > kMaxFileSize) {
        *problem = CoreText::english("%1 \"%2\" is larger than %3 bytes.")
                       .arg(what, path)
                       .arg(kMaxFileSize);
        return std::nullopt;
    }
    return content;
}
