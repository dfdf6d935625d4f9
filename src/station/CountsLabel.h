#pragma once

#include <QLabel>

class UnitListModel;

// The counts above the units, in bold: "12 units: 9 finished, 3 failed, ..."; "3 failed" is a
// link that selects the failed units.
class CountsLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CountsLabel(const UnitListModel &model, QWidget *parent = nullptr);

    void update();

Q_SIGNALS:
    void failedClicked();

private:
    const UnitListModel &m_model;
};
