// Feeds arbitrary argument lists to the command line's option parser: the input is split at NUL
// bytes into arguments after the program name. Whatever the arguments, the answer is one of the
// actions with what that action needs, and the same arguments always give the same answer.

#include "CliOptions.h"
#include "FuzzCheck.h"

#include <QCoreApplication>

#include <cstdint>

namespace {

const QString kTitle = QStringLiteral("Kestrel Max Firmware Uploader");

bool same(const CliOptions &a, const CliOptions &b)
{
    return a.action == b.action && a.error == b.error && a.title == b.title &&
           a.address == b.address && a.port == b.port && a.debug == b.debug && a.slow == b.slow &&
           a.loopCount == b.loopCount && a.saveSettings == b.saveSettings &&
           a.responseTimeout == b.responseTimeout && a.firmwarePath == b.firmwarePath;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QString::fromLatin1(CliOptions::kProgramName)};
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!input.isEmpty()) {
        for (const QByteArray &argument : input.split('\0'))
            arguments << QString::fromUtf8(argument);
    }

    const CliOptions options = CliOptions::parse(arguments, kTitle);
    FUZZ_CHECK(same(options, CliOptions::parse(arguments, kTitle)));
    switch (options.action) {
    case CliOptions::Action::Fail:
        FUZZ_CHECK(!options.error.isEmpty());
        break;
    case CliOptions::Action::Upload:
        FUZZ_CHECK(options.error.isEmpty());
        FUZZ_CHECK(!options.firmwarePath.isEmpty());
        FUZZ_CHECK(!options.title.isEmpty());
        FUZZ_CHECK(!options.address || !options.address->isEmpty());
        FUZZ_CHECK(!options.port || (options.port->toInt() >= 1 && options.port->toInt() <= 65535));
        FUZZ_CHECK(!options.loopCount || *options.loopCount >= 0);
        FUZZ_CHECK(options.responseTimeout.count() >= 1);
        break;
    case CliOptions::Action::ShowHelp:
    case CliOptions::Action::ShowVersion:
        break;
    }
    return 0;
}
