#pragma once

#include "history/HistoryFilter.h"
#include "history/HistoryLocation.h"
#include "history/HistoryRecord.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QLineEdit;
class QComboBox;
class QStandardItemModel;
class QTableView;

// The flash history as a table, newest first, with the history tool's filters; the selected
// rows can be copied and the shown ones exported as CSV.
class HistoryDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks where to save the CSV file, proposing a name; empty when the operator cancels.
    using ChooseSaveFile = std::function<QString(const QString &suggested)>;

    explicit HistoryDialog(const HistoryLocation &location, QWidget *parent = nullptr);

    // Shows only the attempts on this unit ("ADDRESS" or "ADDRESS:PORT"), as --unit does.
    void setUnitFilter(const QString &unit);
    // Shows only the attempts on any of these units, named in the dialog's title.
    void setUnits(const QList<QPair<QString, int>> &units, const QStringList &names);
    void setChooseSaveFile(ChooseSaveFile choose) { m_chooseSaveFile = std::move(choose); }

    // Reads the history again with the filters as they stand; false when it cannot be read or
    // a filter is refused (the dialog says why).
    bool refresh();
    // The shown rows, tab-separated with a header line, or only the selected ones.
    QString copyText(bool selectedOnly) const;
    bool exportCsv();
    int rowCount() const;

private:
    // The filter the fields describe, or why one of them is refused.
    std::optional<QString> readFilter(HistoryFilter *filter) const;

    HistoryLocation m_location;
    QList<HistoryRow> m_rows;
    QLineEdit *m_unit = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_sha256 = nullptr;
    QComboBox *m_outcome = nullptr;
    QLineEdit *m_since = nullptr;
    QLineEdit *m_until = nullptr;
    QLineEdit *m_runId = nullptr;
    QLineEdit *m_limit = nullptr;
    QLabel *m_status = nullptr;
    QStandardItemModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    ChooseSaveFile m_chooseSaveFile;
    QList<QPair<QString, int>> m_units;
};
