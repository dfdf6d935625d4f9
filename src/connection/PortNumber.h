#pragma once

#include <QString>

#include <optional>

// A unit's TCP port as an operator or a list gives it: a whole number from 1 to 65535, written in
// digits only (no sign, no spaces). The engine, the station's unit list and the command line all
// read a port through here, so that one text is accepted or refused alike, with the same words.
class PortNumber
{
public:
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 65535;

    // The port the text names, or nothing when it is not one.
    static std::optional<quint16> parse(const QString &text);
    // Why the text is not a port, as a clause for the caller's sentence
    // ("port "12x" is not a whole number from 1 to 65535"); empty when it is one.
    static QString problem(const QString &text);
    // The same as a sentence of its own, for a log line.
    static QString problemSentence(const QString &text);
};
