#include "StationApi.h"

#include "ApiEventFeed.h"
#include "ApiJson.h"
#include "ApiRequestParser.h"
#include "FirmwarePanel.h"
#include "FirmwareSnapshot.h"
#include "LockControls.h"
#include "OperatorDesk.h"
#include "ShiftWatch.h"
#include "StationWindow.h"
#include "UnitListFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

namespace {

constexpr int kOk = 200;
constexpr int kAccepted = 202;
constexpr int kNotFound = 404;
constexpr int kConflict = 409;
constexpr int kUnprocessable = 422;
constexpr int kLocked = 423;

ApiReply reply(int status, const QJsonObject &body)
{
    return ApiReply{status, QJsonDocument(body), {}};
}

ApiReply reply(int status, const QJsonArray &body)
{
    return ApiReply{status, QJsonDocument(body), {}};
}

ApiError unprocessable(const QString &word, const QString &reason)
{
    return ApiError{kUnprocessable, word, reason};
}

// The file's SHA-256 as it is now; empty when it cannot be read.
QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

} // namespace

ApiReply ApiReply::of(const ApiError &error)
{
    return ApiReply{error.status, QJsonDocument(ApiJson::error(error.word, error.reason)), {}};
}

StationApi::StationApi(StationWindow &window, QObject *parent)
    : QObject(parent), m_window(window),
      m_feed(new ApiEventFeed(window.model(), window.runner(), window.firmwarePanel(), this))
{
    connect(&window.firmwarePanel(), &FirmwarePanel::pathChanged, this,
            &StationApi::takeFirmwareFacts);
    if (window.firmwarePanel().isValid())
        takeFirmwareFacts(window.firmwarePanel().path());
}

StationApi::~StationApi() = default;

void StationApi::takeFirmwareFacts(const QString &path)
{
    if (m_firmware && m_firmware->sourcePath() == path)
        return;
    auto snapshot = std::make_unique<FirmwareSnapshot>();
    QString error;
    if (m_window.firmwarePanel().isValid() && snapshot->take(path, &error))
        m_firmware = std::move(snapshot);
    else
        m_firmware.reset();
}

ApiReply StationApi::station() const
{
    return reply(kOk,
                 QJsonObject{
                     {QStringLiteral("api"), 1},
                     {QStringLiteral("version"), QStringLiteral(FWU_APP_VERSION)},
                     {QStringLiteral("title"), QStringLiteral(FWU_APP_TITLE)},
                     {QStringLiteral("busy"), m_window.runner().isRunning()},
                     {QStringLiteral("locked"), m_window.desk().lock().isLocked()},
                     {QStringLiteral("run_id"),
                      m_feed->runId().isEmpty() ? QJsonValue() : QJsonValue(m_feed->runId())},
                     {QStringLiteral("firmware"),
                      m_firmware ? QJsonValue(ApiJson::firmware(*m_firmware)) : QJsonValue()},
                     {QStringLiteral("shift"), ApiJson::shift(m_window.desk().shift().counts())},
                 });
}

ApiReply StationApi::units() const
{
    QJsonArray list;
    for (const StationUnit &unit : m_window.model().units())
        list.append(ApiJson::unit(unit));
    return reply(kOk, list);
}

// What changes what is flashed waits for the run, and for the supervisor in production mode.
std::optional<ApiError> StationApi::refuseChange() const
{
    if (m_window.desk().lock().isLocked())
        return ApiError{kLocked, QStringLiteral("locked"),
                        QStringLiteral("The station is locked for production.")};
    if (m_window.runner().isRunning())
        return ApiError{kConflict, QStringLiteral("busy"), QStringLiteral("A run is on.")};
    return std::nullopt;
}

ApiReply StationApi::putUnits(const QByteArray &body, bool csv)
{
    if (const std::optional<ApiError> refused = refuseChange())
        return ApiReply::of(*refused);
    QList<StationUnit> units;
    if (csv) {
        QString error;
        units = UnitListFile::fromText(QString::fromUtf8(body), &error);
        if (!error.isEmpty())
            return ApiReply::of(ApiRequestParser::badRequest(error));
    } else {
        auto parsed = ApiRequestParser::units(body);
        if (const ApiError *error = std::get_if<ApiError>(&parsed))
            return ApiReply::of(*error);
        units = std::get<QList<StationUnit>>(parsed);
    }
    m_window.replaceUnits(units);
    return this->units();
}

ApiReply StationApi::putFirmware(const QByteArray &body)
{
    if (const std::optional<ApiError> refused = refuseChange())
        return ApiReply::of(*refused);
    auto parsed = ApiRequestParser::firmware(body);
    if (const ApiError *error = std::get_if<ApiError>(&parsed))
        return ApiReply::of(*error);
    const ApiRequestParser::FirmwareRequest request =
        std::get<ApiRequestParser::FirmwareRequest>(parsed);
    // Checked before the panel sees it, so that a refusal is this request's answer and never a
    // message for the operator.
    auto snapshot = std::make_unique<FirmwareSnapshot>();
    QString error;
    if (!snapshot->take(request.path, &error))
        return ApiReply::of(unprocessable(QStringLiteral("refused"), error));
    if (!request.sha256.isEmpty() && snapshot->summary().sha256 != request.sha256)
        return ApiReply::of(
            unprocessable(QStringLiteral("sha256_mismatch"),
                          QStringLiteral("The file's SHA-256 is %1.")
                              .arg(QString::fromLatin1(snapshot->summary().sha256))));
    m_firmware = std::move(snapshot);
    if (!m_window.firmwarePanel().setPath(request.path)) {
        m_firmware.reset();
        return ApiReply::of(
            unprocessable(QStringLiteral("refused"), m_window.firmwarePanel().problem()));
    }
    return reply(kOk, ApiJson::firmware(*m_firmware));
}

QStringList StationApi::runningNames() const
{
    QStringList names;
    for (const StationUnit &unit : m_window.model().units()) {
        if (unit.isRunning())
            names.append(unit.name);
    }
    return names;
}

std::optional<ApiError> StationApi::rowsNamed(const QStringList &names, QList<int> *rows) const
{
    const UnitListModel &model = m_window.model();
    for (const QString &name : names) {
        int found = -1;
        for (int row = 0; row < model.rowCount() && found < 0; ++row) {
            if (model.unit(row).name == name)
                found = row;
        }
        if (found < 0)
            return unprocessable(QStringLiteral("unknown_unit"),
                                 QStringLiteral("No unit is named %1.").arg(name));
        if (!rows->contains(found))
            rows->append(found);
    }
    return std::nullopt;
}

// Values given for units of this run are written in place of the pool's next; only where the
// station writes serial numbers at all, and only for units the run flashes.
std::optional<ApiError> StationApi::takeSerials(const QHash<QString, QString> &serials,
                                                const QList<int> &rows)
{
    StationRunner &runner = m_window.runner();
    if (serials.isEmpty()) {
        runner.setSerialValues({});
        return std::nullopt;
    }
    if (!runner.serialSettings().enabled)
        return unprocessable(
            QStringLiteral("no_serials"),
            QStringLiteral("The station writes no serial numbers: turn them on in File > "
                           "Serial numbers... or with --serial-at and --serial-from."));
    QHash<quint64, QString> values;
    for (auto it = serials.begin(); it != serials.end(); ++it) {
        quint64 id = 0;
        for (int row : rows) {
            if (m_window.model().unit(row).name == it.key())
                id = m_window.model().unit(row).id;
        }
        if (id == 0)
            return unprocessable(
                QStringLiteral("unknown_unit"),
                QStringLiteral("\"%1\" is not a unit of this run.").arg(it.key().left(64)));
        values.insert(id, it.value());
    }
    runner.setSerialValues(values);
    return std::nullopt;
}

ApiReply StationApi::startRun(const QByteArray &body)
{
    auto parsed = ApiRequestParser::run(body);
    if (const ApiError *error = std::get_if<ApiError>(&parsed))
        return ApiReply::of(*error);
    const ApiRequestParser::RunRequest request = std::get<ApiRequestParser::RunRequest>(parsed);
    if (m_window.runner().isRunning()) {
        QJsonObject busy = ApiJson::error(QStringLiteral("busy"), QStringLiteral("A run is on."));
        busy.insert(QStringLiteral("busy"), QJsonArray::fromStringList(runningNames()));
        return reply(kConflict, busy);
    }
    const FirmwarePanel &firmware = m_window.firmwarePanel();
    if (!firmware.isValid())
        return ApiReply::of(
            unprocessable(QStringLiteral("no_firmware"),
                          QStringLiteral("No firmware that can be flashed is loaded.")));
    if (!request.expectSha256.isEmpty()) {
        const QByteArray now = sha256Of(firmware.path());
        if (now != request.expectSha256)
            return ApiReply::of(unprocessable(QStringLiteral("sha256_mismatch"),
                                              QStringLiteral("The loaded firmware's SHA-256 is %1.")
                                                  .arg(QString::fromLatin1(now))));
    }
    QList<int> rows;
    using Which = ApiRequestParser::RunRequest::Which;
    if (request.which == Which::All) {
        for (int row = 0; row < m_window.model().rowCount(); ++row)
            rows.append(row);
    } else if (request.which == Which::Failed) {
        rows = m_window.runner().firmware().isValid()
                   ? m_window.runner().failedRows()
                   : m_window.desk().shift().rememberedFailedRows();
    } else if (const std::optional<ApiError> unknown = rowsNamed(request.names, &rows)) {
        return ApiReply::of(*unknown);
    }
    if (const std::optional<ApiError> refusal = takeSerials(request.serials, rows))
        return ApiReply::of(*refusal);
    QString error;
    if (!m_window.flashRows(rows, &error))
        return ApiReply::of(unprocessable(QStringLiteral("refused"), error));
    QJsonArray names;
    for (int row : std::as_const(rows))
        names.append(m_window.model().unit(row).name);
    return reply(kAccepted, QJsonObject{{QStringLiteral("run_id"), m_window.runner().runId()},
                                        {QStringLiteral("units"), names}});
}

ApiReply StationApi::run(const QString &runId) const
{
    if (runId.isEmpty() || runId != m_feed->runId())
        return ApiReply::of(ApiError{kNotFound, QStringLiteral("unknown_run"),
                                     QStringLiteral("The station knows only its latest run.")});
    QJsonArray units;
    const UnitListModel &model = m_window.model();
    for (quint64 id : m_feed->runUnits()) {
        if (const int row = model.rowOf(id); row >= 0)
            units.append(ApiJson::unit(model.unit(row)));
    }
    const StationRunner &runner = m_window.runner();
    return reply(kOk, QJsonObject{
                          {QStringLiteral("run_id"), runId},
                          {QStringLiteral("state"), runner.isRunning() ? QStringLiteral("running")
                                                                       : QStringLiteral("ended")},
                          {QStringLiteral("started"), ApiJson::time(runner.runStartTime())},
                          {QStringLiteral("ended"), ApiJson::time(runner.runEndTime())},
                          {QStringLiteral("units"), units},
                      });
}

ApiReply StationApi::stopRun(const QString &runId, const QByteArray &body)
{
    if (runId.isEmpty() || runId != m_feed->runId())
        return run(runId);
    auto parsed = ApiRequestParser::stop(body);
    if (const ApiError *error = std::get_if<ApiError>(&parsed))
        return ApiReply::of(*error);
    const ApiRequestParser::StopRequest request = std::get<ApiRequestParser::StopRequest>(parsed);
    if (!m_window.runner().isRunning())
        return ApiReply::of(
            ApiError{kConflict, QStringLiteral("ended"), QStringLiteral("The run has ended.")});
    QList<int> rows;
    if (!request.names) {
        for (quint64 id : m_feed->runUnits())
            rows.append(m_window.model().rowOf(id));
        rows.removeAll(-1);
    } else if (const std::optional<ApiError> unknown = rowsNamed(*request.names, &rows)) {
        return ApiReply::of(*unknown);
    }
    QJsonArray names;
    for (int row : std::as_const(rows))
        names.append(m_window.model().unit(row).name);
    m_window.runner().stop(rows);
    return reply(kAccepted, QJsonObject{{QStringLiteral("run_id"), runId},
                                        {QStringLiteral("stopping"), names}});
}
