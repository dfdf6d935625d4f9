#pragma once

#include "upload/UploadEngine.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// What the command line asks for, checked before anything touches the network.
struct CliOptions
{
    enum class Action { Upload, ShowHelp, ShowVersion, Fail };

    static constexpr const char *kProgramName = "firmware-uploader-cli";
    static constexpr int kMaxRetries = 1000;
    static constexpr int kMaxRetryDelaySeconds = 3600;
    static constexpr qint64 kMaxSerialStaleSeconds = 366LL * 24 * 3600;

    // arguments as QCoreApplication::arguments() gives them, program name first. defaultTitle is
    // the build's application title.
    static CliOptions parse(const QStringList &arguments, const QString &defaultTitle);
    // The --help text, exit codes included.
    static QString usage(const QString &defaultTitle);

    Action action = Action::Fail;
    // Why the arguments were refused (Action::Fail).
    QString error;

    QString title;
    // Unset: the value the window would show for the title.
    std::optional<QString> address;
    std::optional<QString> port;
    bool debug = false;
    bool slow = false;
    // Unset: one upload without loop mode. 0: loop mode without end.
    std::optional<int> loopCount;
    bool saveSettings = false;
    std::chrono::milliseconds responseTimeout = UploadEngine::kDefaultResponseTimeout;
    QString firmwarePath;
    // The file the operator chose, when firmwarePath is a private copy of it (a front-end such as
    // the station hands its uploaders one): the record names this one. Empty: firmwarePath.
    QString firmwareOrigin;

    // JSON Lines on stdout instead of the log text. Also set when the other arguments are
    // refused, so that even then the caller gets its result line.
    bool json = false;
    // Check the file and print its summary; no connection.
    bool checkOnly = false;
    // Lowercase hex SHA-256 the file must have; empty when no image is pinned.
    QByteArray expectedSha256;
    // Further tries after a failed connection, and the pause before each.
    // The flash history's location (unset: FWU_HISTORY, else the default file); the station's
    // run and the unit's name for its rows.
    std::optional<QString> history;
    QString runId;
    QString unitName;
    // The serial on the unit's label (scanned at the bench), for the rows and the JSON.
    QString unitSerial;
    // Who runs it, for the rows; empty: the login name.
    QString operatorName;
    // Each unit's own data written into the image: where (ADDRESS:LENGTH), in which format, from
    // which source (counter:, list:, hexlist:) or the one value given, and the pool in the
    // flash history the values are taken from (empty: the title). Checked when the run starts,
    // before anything reaches the network.
    QString serialAt;
    QString serialFormat;
    QString serialFrom;
    std::optional<QString> serial;
    QString serialPool;
    // A number taken by an uploader that has not settled it for this long is burnt.
    std::chrono::seconds serialStaleAfter{3600};
    bool usesSerials() const { return !serialAt.isEmpty() || !serialFrom.isEmpty() || serial; }
    int retries = 0;
    std::chrono::milliseconds retryDelay{2000};
    // Key files or base64 keys; any of them may have signed. Empty: no signature is required.
    QStringList publicKeys;
    // The firmware path plus ".minisig" unless given.
    QString signaturePath;

private:
    // Why the serial options do not go together; empty when they do (or none is given).
    static QString checkSerialOptions(const CliOptions &options);
    static CliOptions parseArguments(const QStringList &arguments, const QString &defaultTitle);

    Q_DECLARE_TR_FUNCTIONS(CliOptions)
};
