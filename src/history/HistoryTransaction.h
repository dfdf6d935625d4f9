#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

// One transaction on a history's connection that ends in a rollback unless committed. On SQLite
// it begins with BEGIN IMMEDIATE: the write lock at once (waiting the busy time-out for it), so
// that two writers never both read what the other is about to change. On PostgreSQL the
// statements lock the rows they read (SELECT ... FOR UPDATE).
class HistoryTransaction
{
public:
    HistoryTransaction() = default;
    ~HistoryTransaction();
    HistoryTransaction(const HistoryTransaction &) = delete;
    HistoryTransaction &operator=(const HistoryTransaction &) = delete;

    std::optional<QString> begin(const QSqlDatabase &db, bool postgres);
    // A commit that fails is rolled back.
    std::optional<QString> commit();

private:
    std::optional<QString> exec(const char *statement);
    std::optional<QString> end(bool keep);

    QSqlDatabase m_db;
    bool m_postgres = false;
    bool m_open = false;
};
