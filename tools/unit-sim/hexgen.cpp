// hexgen: writes Intel HEX firmware files for demos, tests and benchmarks.

#include "HexFileGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <climits>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "hexgen: " << message << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hexgen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes an Intel HEX file: an extended linear address record, data records, a few "
        "records at 0xFC00-0xFFFF in the middle (which the uploader passes over) and the "
        "end-of-file record, with CR LF line ends unless told otherwise."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The file to write."));
    const QCommandLineOption recordsOption(QStringLiteral("records"),
                                           QStringLiteral("Number of data records."),
                                           QStringLiteral("N"), QStringLiteral("2048"));
    const QCommandLineOption bytesOption(QStringLiteral("bytes-per-record"),
                                         QStringLiteral("Data bytes per record (1-255)."),
                                         QStringLiteral("N"), QStringLiteral("16"));
    const QCommandLineOption skippedOption(QStringLiteral("skipped"),
                                           QStringLiteral("Records at 0xFC00-0xFFFF."),
                                           QStringLiteral("N"), QStringLiteral("4"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the data bytes."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption endingOption(QStringLiteral("line-ending"),
                                          QStringLiteral("crlf, lf or cr."), QStringLiteral("KIND"),
                                          QStringLiteral("crlf"));
    const QCommandLineOption lowerOption(QStringLiteral("lower-case"),
                                         QStringLiteral("Lower-case hex digits."));
    const QCommandLineOption noEndOption(QStringLiteral("no-end-record"),
                                         QStringLiteral("Leave out the end-of-file record."));
    const QCommandLineOption blankOption(QStringLiteral("blank-lines"),
                                         QStringLiteral("Blank lines at the end."),
                                         QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption endSkippedOption(
        QStringLiteral("end-inside-skipped"),
        QStringLiteral("Put the 0xFC00-0xFFFF records at the very end of the file."));
    const QCommandLineOption badChecksumOption(QStringLiteral("bad-checksum-at"),
                                               QStringLiteral("Damage the checksum of line N."),
                                               QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption badTypeOption(QStringLiteral("bad-type-at"),
                                           QStringLiteral("Give line N the record type 06."),
                                           QStringLiteral("N"), QStringLiteral("0"));
    parser.addOptions({recordsOption, bytesOption, skippedOption, seedOption, endingOption,
                       lowerOption, noEndOption, blankOption, endSkippedOption, badChecksumOption,
                       badTypeOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("give one file to write"));

    auto number = [&](const QCommandLineOption &option, int minimum, int maximum, int *value) {
        bool ok = false;
        *value = parser.value(option).toInt(&ok);
        return ok && *value >= minimum && *value <= maximum;
    };
    HexFileGenerator generator;
    int value = 0;
    if (!number(recordsOption, 0, 1 << 24, &value))
        return fail(QStringLiteral("--records needs a number"));
    generator.setDataRecords(value);
    if (!number(bytesOption, 1, 255, &value))
        return fail(QStringLiteral("--bytes-per-record needs a number from 1 to 255"));
    generator.setBytesPerRecord(value);
    if (!number(skippedOption, 0, 1 << 16, &value))
        return fail(QStringLiteral("--skipped needs a number"));
    generator.setSkippedRecords(value);
    if (!number(seedOption, 0, INT_MAX, &value))
        return fail(QStringLiteral("--seed needs a number"));
    generator.setSeed(quint32(value));
    if (!number(blankOption, 0, 1000, &value))
        return fail(QStringLiteral("--blank-lines needs a number"));
    generator.setTrailingBlankLines(value);
    if (!number(badChecksumOption, 0, INT_MAX, &value))
        return fail(QStringLiteral("--bad-checksum-at needs a line number"));
    generator.setBadChecksumAtLine(value);
    if (!number(badTypeOption, 0, INT_MAX, &value))
        return fail(QStringLiteral("--bad-type-at needs a line number"));
    generator.setBadRecordTypeAtLine(value);

    const QString ending = parser.value(endingOption);
    if (ending == QLatin1String("crlf"))
        generator.setLineEnding(HexFileGenerator::LineEnding::CrLf);
    else if (ending == QLatin1String("lf"))
        generator.setLineEnding(HexFileGenerator::LineEnding::Lf);
    else if (ending == QLatin1String("cr"))
        generator.setLineEnding(HexFileGenerator::LineEnding::Cr);
    else
        return fail(QStringLiteral("--line-ending is crlf, lf or cr"));
    generator.setLowerCase(parser.isSet(lowerOption));
    generator.setEndRecord(!parser.isSet(noEndOption));
    generator.setEndInsideSkipped(parser.isSet(endSkippedOption));

    const QString path = parser.positionalArguments().constFirst();
    if (!generator.write(path))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return 0;
}
