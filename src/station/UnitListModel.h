#pragma once

#include "StationUnit.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QTimer>

// The station's units as a table: what the operator lists (name, address, port, title) and how
// each unit's latest run stands. Runs write into the rows at any rate; views hear of it from a
// timer, so a burst of progress costs one repaint per refresh, not one per event.
class UnitListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Name,
        Address,
        Port,
        Title,
        Serial,
        State,
        Progress,
        Records,
        // The number written into the unit's image by its last run.
        Number,
        Elapsed,
        Outcome,
        LastFlash,
        Count
    };
    enum Role {
        // The progress bar's percent while the unit runs, else -1.
        PercentRole = Qt::UserRole + 1,
        ProblemRole,
        // The row's UnitState, as an int.
        StateRole,
        // What the column sorts by: failed rows first in the State column, numbers as numbers.
        SortRole
    };
    struct Counts
    {
        int finished = 0;
        int failed = 0;
        int running = 0;
        int waiting = 0;
    };
    static constexpr int kLogLineLimit = 10000;

    explicit UnitListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

    void setUnits(const QList<StationUnit> &units);
    int addUnit(const StationUnit &unit);
    QList<StationUnit> units() const { return m_units; }
    const StationUnit &unit(int row) const { return m_units.at(row); }
    int rowOf(quint64 id) const;

    // Why the row cannot run (bad address or port, a duplicate), or empty.
    QString problem(int row) const { return m_problems.value(row).text; }
    bool hasProblems() const;
    // Rows found to reach the same unit under another name (by id, with the words that say so);
    // they cannot run until the list is edited.
    void markSameUnits(const QHash<quint64, QString> &problems);
    // A scanned serial for a row; allowed while the list is locked, as scanning is the
    // operator's work. False for a row that is running.
    bool setSerial(int row, const QString &serial);
    // What the history says of a row's serial (StationUnit::serialSeen).
    void setSerialSeen(quint64 id, const QString &seen);
    // Rows may not be edited, added, removed or moved while a run is on.
    void setLocked(bool locked) { m_locked = locked; }
    bool isLocked() const { return m_locked; }

    // A run's changes to one unit; views are told on the next refresh.
    StationUnit *unitForUpdate(quint64 id);
    void appendLog(quint64 id, const QString &line);
    void clearRuns(const QList<int> &rows);
    // Running rows' elapsed time moves on even without events.
    void touchRunning();
    // Tells the views now about every change so far (the refresh timer does it on its own).
    void flushChanges();
    Counts counts() const;
    // The rows whose unit failed, in list order.
    QList<int> failedRows() const;
    // "12 units: 9 finished, 1 failed, 2 running, 0 waiting", and how many rows cannot run.
    QString countsText() const;
    // The failed count as the counts text gives it: "3 failed".
    static QString failedText(int failed);

    void setDarkPalette(bool dark);
    bool isDarkPalette() const { return m_darkPalette; }

Q_SIGNALS:
    void countsChanged();
    // A row's serial was scanned or edited; its earlier attempts are worth a look.
    void serialChanged(int row);

private:
    void recheck();
    void markChanged(int row);
    QVariant displayText(int row, int column) const;
    QVariant background(int row, int column) const;
    QVariant foreground(int row, int column) const;
    UnitState cellState(int row, int column) const;
    QVariant sortValue(int row, int column) const;
    QString outcomeTip(int row) const;
    bool hasColumnProblem(int row, int column) const;

    // Why a row cannot run, and which of its cells the reasons point at.
    struct RowProblem
    {
        QString text;
        bool sharesUnit = false;
        bool sameName = false;
    };

    QList<StationUnit> m_units;
    QList<RowProblem> m_problems;
    QHash<quint64, QString> m_sameUnit;
    quint64 m_nextId = 1;
    bool m_locked = false;
    bool m_darkPalette = false;
    int m_firstDirty = -1;
    int m_lastDirty = -1;
    QTimer m_refresh;
};
