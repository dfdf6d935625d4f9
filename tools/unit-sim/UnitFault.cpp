#include "UnitFault.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kDefaultStrayBytes = 2;
constexpr int kDefaultFragmentSize = 1;

struct KindName
{
    UnitFault::Kind kind;
    const char *name;
    const char *help;
};

constexpr std::array<KindName, 14> kKinds{{
    {UnitFault::Kind::NakChecksum, "nak-checksum",
     QT_TRANSLATE_NOOP("UnitFault", "answer NakChecksum (01)")},
    {UnitFault::Kind::NakProductCode, "nak-product-code",
     QT_TRANSLATE_NOOP("UnitFault", "answer NakProductCode (02)")},
    {UnitFault::Kind::NakRecordType, "nak-record-type",
     QT_TRANSLATE_NOOP("UnitFault", "answer NakRecordType (03)")},
    {UnitFault::Kind::Unknown, "unknown", QT_TRANSLATE_NOOP("UnitFault", "answer the code FF")},
    {UnitFault::Kind::UnrecognisedCode, "bad-code[:HH]",
     QT_TRANSLATE_NOOP("UnitFault", "answer a code outside the table (default 04)")},
    {UnitFault::Kind::StrayBytes, "stray[:N]",
     QT_TRANSLATE_NOOP("UnitFault", "N stray bytes before the answer (default 2)")},
    {UnitFault::Kind::Split, "split[:N]",
     QT_TRANSLATE_NOOP("UnitFault",
                       "the answer in fragments of N bytes, separate writes (default 1)")},
    {UnitFault::Kind::Pair, "pair[:HH|:HH+HH]",
     QT_TRANSLATE_NOOP(
         "UnitFault",
         "the answer plus a response HH (default 00), or the two given responses, in one write")},
    {UnitFault::Kind::Twice, "twice[:MS]",
     QT_TRANSLATE_NOOP("UnitFault", "the answer written twice; with MS, the copy MS ms later, not "
                                    "holding back later answers")},
    {UnitFault::Kind::Silent, "silent",
     QT_TRANSLATE_NOOP("UnitFault", "stop answering, keep the connection open")},
    {UnitFault::Kind::Close, "close",
     QT_TRANSLATE_NOOP("UnitFault", "close the connection instead of answering")},
    {UnitFault::Kind::Reset, "reset",
     QT_TRANSLATE_NOOP("UnitFault", "reset the connection (RST) instead of answering")},
    {UnitFault::Kind::Babble, "babble[:HH]",
     QT_TRANSLATE_NOOP("UnitFault",
                       "stop answering, but send a stray byte (or a response HH) every 50 ms")},
    {UnitFault::Kind::Late, "late[:MS]",
     QT_TRANSLATE_NOOP("UnitFault", "the answer MS milliseconds late")},
}};

QString baseName(const char *name)
{
    return QString::fromLatin1(name).section(QLatin1Char('['), 0, 0);
}

std::optional<quint8> parseCode(const QString &text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || text.size() != 2 || value > 0xFF)
        return std::nullopt;
    return quint8(value);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool parseArgument(UnitFault &fault, const QString &argument, QString *error)
{
    switch (fault.kind) {
    case UnitFault::Kind::StrayBytes:
    case UnitFault::Kind::Split:
    case UnitFault::Kind::Twice:
    case UnitFault::Kind::Late: {
        bool ok = false;
        fault.count = argument.toInt(&ok);
        if (!ok || fault.count < 1)
            return fail(error,
                        UnitFault::tr("a positive count is needed, not \"%1\"").arg(argument));
        return true;
    }
    case UnitFault::Kind::UnrecognisedCode:
    case UnitFault::Kind::Babble:
    case UnitFault::Kind::Pair: {
        const QStringList parts = argument.split(QLatin1Char('+'));
        if (parts.size() > (fault.kind == UnitFault::Kind::Pair ? 2 : 1))
            return fail(error, UnitFault::tr("too many codes in \"%1\"").arg(argument));
        for (const QString &part : parts) {
            const std::optional<quint8> code = parseCode(part);
            if (!code)
                return fail(error, UnitFault::tr("\"%1\" is not a two-digit hex code").arg(part));
            fault.codes.append(*code);
        }
        return true;
    }
    default:
        return fail(error, UnitFault::tr("this fault takes no argument"));
    }
}

} // namespace

bool UnitFault::appliesTo(int connectionNumber, int packetIndex, bool isEndRecord) const
{
    if (connection != kEveryConnection && connection != connectionNumber)
        return false;
    return packet == kEndRecord ? isEndRecord : packet == packetIndex;
}

int UnitFault::effectiveCount() const
{
    if (count > 0)
        return count;
    return kind == Kind::Split ? kDefaultFragmentSize : kDefaultStrayBytes;
}

std::optional<UnitFault> UnitFault::parse(const QString &text, QString *error)
{
    UnitFault fault;
    const int at = text.indexOf(QLatin1Char('@'));
    if (at < 0) {
        fail(error, tr("\"%1\": the packet is missing (KIND@N)").arg(text));
        return std::nullopt;
    }
    const QString head = text.left(at);
    QString where = text.mid(at + 1);

    const QString name = head.section(QLatin1Char(':'), 0, 0);
    const auto known = std::find_if(kKinds.begin(), kKinds.end(),
                                    [&](const KindName &k) { return baseName(k.name) == name; });
    if (known == kKinds.end()) {
        fail(error, tr("\"%1\": unknown fault \"%2\"").arg(text, name));
        return std::nullopt;
    }
    fault.kind = known->kind;
    if (head.contains(QLatin1Char(':'))) {
        QString message;
        if (!parseArgument(fault, head.section(QLatin1Char(':'), 1), &message)) {
            fail(error, QStringLiteral("\"%1\": %2").arg(text, message));
            return std::nullopt;
        }
    }

    const int hash = where.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        bool ok = false;
        fault.connection = where.mid(hash + 1).toInt(&ok);
        if (!ok || fault.connection < 1) {
            fail(error, tr("\"%1\": the connection number counts from 1").arg(text));
            return std::nullopt;
        }
        where = where.left(hash);
    }
    if (where == QLatin1String("eof")) {
        fault.packet = kEndRecord;
    } else {
        bool ok = false;
        fault.packet = where.toInt(&ok);
        if (!ok || fault.packet < 0) {
            fail(error, tr("\"%1\": the packet is a number from 0 or \"eof\"").arg(text));
            return std::nullopt;
        }
    }
    return fault;
}

QString UnitFault::toString() const
{
    const auto known = std::find_if(kKinds.begin(), kKinds.end(),
                                    [&](const KindName &k) { return k.kind == kind; });
    QString text = baseName(known->name);
    if (count > 0)
        text += QStringLiteral(":%1").arg(count);
    if (!codes.isEmpty()) {
        QStringList hex;
        for (quint8 code : codes)
            hex.append(QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());
        text += QLatin1Char(':') + hex.join(QLatin1Char('+'));
    }
    text += QLatin1Char('@');
    text += packet == kEndRecord ? QStringLiteral("eof") : QString::number(packet);
    if (connection != kEveryConnection)
        text += QStringLiteral("#%1").arg(connection);
    return text;
}

QStringList UnitFault::syntaxHelp()
{
    QStringList lines;
    for (const KindName &k : kKinds)
        lines.append(
            QStringLiteral("%1  %2").arg(QString::fromLatin1(k.name), -18).arg(tr(k.help)));
    return lines;
}
