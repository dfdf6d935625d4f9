#pragma once

#include "history/HistoryRecord.h"

#include <QList>
#include <QString>

class PostgresServer;
class QTemporaryDir;

// What the history tests share: a new, empty history on either backend, and every row of one.
namespace HistoryTestSupport {

// The data rows of a test run once per backend: a column "backend", "sqlite" and "postgresql".
void addBackendRows();
// backend: "sqlite" (a file in folder) or "postgresql" (a new database on server).
QString freshHistory(const QString &backend, const QTemporaryDir &folder, PostgresServer &server);
// Every row, newest first; none (and a warning) when the history cannot be read.
QList<HistoryRow> rowsOf(const QString &url);
// An attempt with every field set, started at startedMs in a zone an hour east of UTC; its
// SHA-256 is that of the outcome word, so that each outcome has an image of its own.
HistoryRecord record(const QString &address, int port, const QString &outcome, qint64 startedMs);

} // namespace HistoryTestSupport
