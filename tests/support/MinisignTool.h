#pragma once

#include <QString>
#include <QStringList>

// The signing tool as a release engineer runs it, making real keys and signatures in a test's
// scratch folder.
class MinisignTool
{
public:
    // name.pub and name.key in folder, the secret key without a password.
    static bool makeKey(const QString &folder, const QString &name);
    enum class Kind { Prehashed, Legacy };
    // Signs file with name.key of folder into signaturePath.
    static bool sign(const QString &folder, const QString &name, const QString &file,
                     const QString &signaturePath, Kind kind = Kind::Prehashed,
                     const QString &trustedComment = QStringLiteral("version 2.4.1"));
    // The 16 hex digits the tool prints for the key name.pub of folder.
    static QString keyId(const QString &folder, const QString &name);

private:
    static bool run(const QStringList &arguments);
};
