#pragma once

#include "FirmwareSummary.h"
#include "IntelHexText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The check run on a firmware file before an upload starts, so that a damaged file is reported
// in words an operator understands instead of being refused by the unit half-way through.
//
// Every line must be empty or an Intel HEX record: ':' then pairs of hexadecimal digits, a byte
// count that matches the line, a known record type (00 to 05) with the data length its type
// needs, and a correct checksum. Records that the upload passes over (load address FC00 to FFFF)
// are checked too: a file with a damaged line is damaged wherever the line loads.
//
// The file as a whole must hold at least one record and end with exactly one end-of-file record
// (type 01), after which only empty lines may follow. The upload ends when it has sent the last
// line, so a file without that ending would be reported as installed when it is not, and a last
// record at FC00 to FFFF would never be sent at all. At least one data byte must be sent: an
// image of nothing would leave the unit without firmware and still end as finished.
//
// The same pass sums the file (FirmwareSummary), so every front-end reads a file once.
class IntelHexCheck
{
public:
    struct Problem
    {
        // 1-based line number counted as the upload reads lines; 0 for the file as a whole.
        qint64 line = 0;
        QString text;
    };
    struct Result
    {
        // The first problem; none for a sound file.
        std::optional<Problem> problem;
        // Also for a file with a problem: what the upload would send of it.
        FirmwareSummary summary;
    };

    static constexpr qsizetype kMaxRecordLength = IntelHexText::kMaxRecordLength;

    // Reads the file in pieces, keeping none of them, and checks and sums it; nothing when the
    // file cannot be read, with the reason in openError.
    static std::optional<Result> inspect(const QString &path, QString *openError);
    // Checks and sums a file's bytes: the snapshot an upload sends.
    static Result inspectContent(QByteArrayView content);

    // The problem alone, of a file read in pieces or of bytes in memory.
    static std::optional<Problem> check(const QString &path);
    static std::optional<Problem> checkContent(const QByteArray &content);
    // The first problem as one line of text, e.g. "line 17: checksum is 3A, should be 3B".
    static std::optional<QString> firstProblem(const QString &path);

    // Why a non-empty line is not a sound record, or an empty text when it is one.
    static QString lineProblem(QByteArrayView line, qint64 lineNumber);
};
