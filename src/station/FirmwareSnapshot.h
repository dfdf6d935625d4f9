#pragma once

#include "firmware/FirmwareSummary.h"
#include "firmware/SignatureCheck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTemporaryDir;

// The firmware of a run, frozen: the chosen file's bytes copied to a private file that every
// unit of the run is sent, so that a change on disk during the run cannot reach some units and
// not others.
class FirmwareSnapshot
{
    Q_DECLARE_TR_FUNCTIONS(FirmwareSnapshot)

public:
    FirmwareSnapshot();
    ~FirmwareSnapshot();

    // Reads and checks the file and keeps its bytes in a private copy. False, with the reason in
    // *error, for a file that cannot be read or is not sound Intel HEX; the old copy then stays.
    bool take(const QString &path, QString *error);
    bool isValid() const { return !m_copyPath.isEmpty(); }

    QString sourcePath() const { return m_sourcePath; }
    QString copyPath() const { return m_copyPath; }
    const FirmwareSummary &summary() const { return m_summary; }
    QDateTime takenAt() const { return m_takenAt; }

    // The signature's verdict when keys are trusted or signing is required (StationTrust). A
    // signed copy has its signature's private copy beside it.
    const std::optional<SignatureCheck> &signature() const { return m_signature; }
    // What each unit's uploader is given so that it checks the signature again: the trusted
    // keys, when the copy is signed by one of them.
    QStringList uploaderArguments() const;
    // The summary's lines, then the signature's.
    QStringList describe() const;

    // Checks a file for the operator without taking it: what it holds (describe()), or the
    // reason it is bad.
    static bool inspect(const QString &path, QStringList *description, QString *error);
    // Removes the private copies left behind by stations of this user that are gone (killed
    // before they could clean up); those of running stations stay. Returns how many.
    static int sweepLeftovers();

private:
    // Far above any signature file.
    static constexpr qint64 kMaxSignatureSize = 64 * 1024;
    static bool copySignature(const QString &path, const QString &copy, QString *error);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_sourcePath;
    QString m_copyPath;
    FirmwareSummary m_summary;
    QDateTime m_takenAt;
    std::optional<SignatureCheck> m_signature;
    QStringList m_keyArguments;
};
