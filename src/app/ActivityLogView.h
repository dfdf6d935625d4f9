#pragma once

#include <QListView>

#include <optional>

class ActivityLog;
class ActivityLogListModel;
class QMenu;

// The activity log as the operator sees it. It shows the log from its mirror model, catching up
// only when refresh() is called, and follows the log's colour and selected line; an operator's
// click on a line becomes the log's selection. The operator can copy a line or the whole log and
// ask for it to be saved.
class ActivityLogView : public QListView
{
    Q_OBJECT

public:
    explicit ActivityLogView(ActivityLog &log, QWidget *parent = nullptr);

    // Brings the rows, the colour and the selection up to date with the log.
    void refresh();

    // The log's selected line, or an empty text when none is selected.
    QString selectedLine() const;
    void copySelectedLine() const;
    void copyAll() const;
    QString allText() const;

    // The context menu's items: Copy line, Copy all and the given save action.
    QMenu *createContextMenu(QAction *saveLog);
    void setSaveLogAction(QAction *saveLog) { m_saveLog = saveLog; }

    ActivityLogListModel &listModel() const { return *m_model; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showColour(std::optional<quint32> bgr);
    void showSelection();
    void onOperatorSelection();

    ActivityLog &m_log;
    ActivityLogListModel *m_model = nullptr;
    QAction *m_saveLog = nullptr;
    // What the list shows of the log's selection and colour, to touch the widget only on change.
    std::optional<quint64> m_shownSelection;
    std::optional<std::optional<quint32>> m_shownColour;
    bool m_refreshing = false;
};
