#include "MinisignTool.h"

#include <QDir>
#include <QFile>
#include <QProcess>

bool MinisignTool::run(const QStringList &arguments)
{
    QProcess tool;
    tool.setStandardInputFile(QProcess::nullDevice());
    tool.start(QStringLiteral("minisign"), arguments);
    if (!tool.waitForFinished(15000)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning("minisign %s: %s", qPrintable(arguments.join(' ')),
                 tool.readAllStandardError().constData());
        return false;
    }
    return true;
}

bool MinisignTool::makeKey(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    return run(
        {"-G", "-f", "-W", "-p", dir.filePath(name + ".pub"), "-s", dir.filePath(name + ".key")});
}

bool MinisignTool::sign(const QString &folder, const QString &name, const QString &file,
                        const QString &signaturePath, Kind kind, const QString &trustedComment)
{
    QStringList arguments{"-S",          "-s", QDir(folder).filePath(name + ".key"),
                          "-m",          file, "-x",
                          signaturePath, "-t", trustedComment};
    if (kind == Kind::Legacy)
        arguments.append("-l");
    return run(arguments);
}

QString MinisignTool::keyId(const QString &folder, const QString &name)
{
    QFile file(QDir(folder).filePath(name + ".pub"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // "untrusted comment: minisign public key 56C0CE58276364E6"; the tool leaves out leading
    // zeros, the programs show all 16 digits of the 8 bytes.
    return QString::fromLatin1(file.readLine().trimmed()).section(' ', -1).rightJustified(16, '0');
}
