#include "HistoryTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

HistoryTransaction::~HistoryTransaction()
{
    if (m_open)
        end(false);
}

std::optional<QString> HistoryTransaction::begin(const QSqlDatabase &db, bool postgres)
{
    m_db = db;
    m_postgres = postgres;
    std::optional<QString> problem;
    if (m_postgres) {
        if (!m_db.transaction())
            problem = m_db.lastError().text();
    } else {
        problem = exec("BEGIN IMMEDIATE");
    }
    m_open = !problem;
    return problem;
}

std::optional<QString> HistoryTransaction::commit()
{
    return end(true);
}

std::optional<QString> HistoryTransaction::exec(const char *statement)
{
    QSqlQuery query(m_db);
    if (query.exec(QLatin1String(statement)))
        return std::nullopt;
    return query.lastError().text();
}

std::optional<QString> HistoryTransaction::end(bool keep)
{
    m_open = false;
    if (m_postgres) {
        if (keep ? m_db.commit() : m_db.rollback())
            return std::nullopt;
        const QString problem = m_db.lastError().text();
        if (keep)
            m_db.rollback();
        return problem;
    }
    std::optional<QString> problem = exec(keep ? "COMMIT" : "ROLLBACK");
    if (problem && keep)
        exec("ROLLBACK");
    return problem;
}
