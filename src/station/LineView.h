#pragma once

#include <QAbstractScrollArea>

class UnitListModel;

// The line at a glance: one tile per bench, large enough to read from across the room: its name,
// PASS or FAIL with a shape (or how far a running unit has got, with a bar), and the outcome's
// short reason. The tiles fill the width and scroll when they do not fit; the zoom scales them.
class LineView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int kMinZoom = 50;
    static constexpr int kMaxZoom = 250;
    static constexpr int kZoomStep = 10;

    explicit LineView(UnitListModel &model, QWidget *parent = nullptr);

    // Percent of the designed tile size.
    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    // The list's row of the tile at a point of the viewport, or -1.
    int rowAt(const QPoint &point) const;
    // The tile of a row, in viewport coordinates.
    QRect tileRect(int row) const;
    int columns() const;
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);

Q_SIGNALS:
    void zoomChanged(int percent);
    void rowClicked(int row);
    void logRequested(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    QSize tileSize() const;
    int spacing() const;
    void relayout();
    void paintTile(QPainter &painter, int row, const QRect &rect) const;

    UnitListModel &m_model;
    int m_zoom = 100;
    int m_current = -1;
};
