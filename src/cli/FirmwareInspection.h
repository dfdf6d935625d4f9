#pragma once

#include "CliSignaturePolicy.h"
#include "firmware/FirmwareSummary.h"
#include "firmware/SignatureCheck.h"

#include <QJsonValue>
#include <QString>

#include <optional>

// Everything the command line checks about a firmware file before any connection: that it can
// be read, that it is sound Intel HEX, that it is the image the caller pinned, and its summary.
class FirmwareInspection
{
public:
    // Whether the bytes read are kept (content()): an upload sends them, a check alone reads
    // the file in pieces and keeps no copy of it.
    enum class Keep { Content, Nothing };

    // expectedSha256: lowercase hex, or empty when no image is pinned.
    static FirmwareInspection inspect(const QString &path, const QByteArray &expectedSha256 = {},
                                      Keep keep = Keep::Content);

    bool isValid() const { return m_problem.isEmpty(); }
    // Why the file is refused, as a sentence for stderr; empty when it is not.
    QString problem() const { return m_problem; }
    // Present when the file could be read, also when it is refused for its content.
    const std::optional<FirmwareSummary> &summary() const { return m_summary; }
    // The file as the caller knows it: the path read, or the one nameOrigin() gave.
    QString absolutePath() const { return m_absolutePath; }
    // A front-end that hands over a private copy of the operator's file names the original
    // here: the record then names the file the operator chose, not a copy that is soon gone.
    void nameOrigin(const QString &path);
    // The bytes that were read, checked and summed; empty with Keep::Nothing.
    const QByteArray &content() const { return m_content; }
    // {"path":..., ...the summary's fields} or null when the file could not be read.
    QJsonValue toJson() const;

    // When the policy requires a signature, refuses the image unless the signature file
    // verifies against the bytes that were read with one of its keys.
    void requireSignature(const CliSignaturePolicy &policy, const QString &signaturePath);
    // Present once a signature was required and the file could be read.
    const std::optional<SignatureCheck> &signature() const { return m_signature; }

private:
    QString m_absolutePath;
    QString m_problem;
    std::optional<FirmwareSummary> m_summary;
    QByteArray m_content;
    std::optional<SignatureCheck> m_signature;
};
