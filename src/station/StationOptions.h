#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// The station's command line. Everything it sets can also be done in the window, except quitting
// when the run is done.
struct StationOptions
{
    Q_DECLARE_TR_FUNCTIONS(StationOptions)

public:
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    // Bad options: the same status in every program of the project (the command-line uploader's
    // "bad input").
    static constexpr int kBadOptionStatus = 4;

    Action action = Action::Run;
    QString error;
    QString unitsPath;
    QString firmwarePath;
    int limit = -1; // -1: as last time
    bool flashAll = false;
    bool quitWhenDone = false;
    QString reportDir;
    // Unset: as last time.
    std::optional<std::chrono::milliseconds> responseTimeout;
    std::optional<int> retries;
    bool dark = false;
    // Start in locked production mode (a supervisor password must have been set).
    bool locked = false;
    // Who runs the station (--operator); empty: asked at start when the settings say so, else
    // the login name.
    QString operatorName;
    // Key files or base64 keys; any of them may have signed, and signing is required.
    QStringList publicKeys;
    // The flash history URL the uploaders are given; empty: theirs (FWU_HISTORY or the default).
    QString history;
    // --serve: where the HTTP interface listens (127.0.0.1 unless an address is given; port 0
    // picks a free one), and where its token goes (empty: the default place).
    std::optional<QString> serve;
    QString serveTokenFile;

    // Each unit's own number (--serial-at, --serial-format, --serial-from, --serial-pool): those
    // given replace the settings' for this session and turn the numbers on.
    std::optional<QString> serialAt;
    std::optional<QString> serialFormat;
    std::optional<QString> serialFrom;
    std::optional<QString> serialPool;
    bool serialsGiven() const { return serialAt || serialFormat || serialFrom || serialPool; }
    static StationOptions parse(const QStringList &arguments);
    static QString helpText();
};
