#pragma once

#include <QStackedWidget>

class LineView;
class QAction;
class QMenu;
class UnitListModel;
class UnitTable;

// The two ways to look at the units: the table, to read and edit the list, and the line view,
// to watch a whole line from across the room; with the View menu that switches between them,
// zooms, sorts back to the list's order and shows only the failed units.
class UnitViews : public QStackedWidget
{
    Q_OBJECT

public:
    explicit UnitViews(UnitListModel &model, QWidget *parent = nullptr);

    UnitTable *table() const { return m_table; }
    LineView *lineView() const { return m_lineView; }
    QMenu *buildMenu(QWidget *menuParent);
    // The buttons under the table that edit the list: add, remove, move up and down.
    QWidget *buildListControls();

    bool isLineView() const;
    void setLineView(bool on);
    int zoom() const;
    void setZoom(int percent);
    // Selects the failed units, in either view.
    void selectFailed();
    // A scanned serial goes to the selected unit (the first one without a serial when none is
    // selected), and the selection moves on to the next unit, ready for the next scan. False
    // when no unit can take it.
    bool assignSerial(const QString &serial);

Q_SIGNALS:
    void lineViewChanged(bool on);
    void zoomChanged(int percent);
    void logRequested(int row);
    // A row was added or removed.
    void listEdited();

private:
    void applyTableZoom(int percent);

    UnitListModel &m_model;
    UnitTable *m_table = nullptr;
    LineView *m_lineView = nullptr;
    QAction *m_lineViewAction = nullptr;
    QAction *m_failedOnlyAction = nullptr;
    double m_tablePointSize = 0;
};
