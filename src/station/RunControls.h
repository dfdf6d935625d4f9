#pragma once

#include <QWidget>

#include <chrono>

class QPushButton;
class QSpinBox;

// The row above the table: the run buttons, how many units run at once, and what each uploader
// is told (response time-out, further connection tries; defaults as the uploader's own).
class RunControls : public QWidget
{
    Q_OBJECT

public:
    explicit RunControls(QWidget *parent = nullptr);

    QPushButton *flashAll() const { return m_flashAll; }
    QPushButton *flashSelected() const { return m_flashSelected; }
    QPushButton *rerunFailed() const { return m_rerunFailed; }
    QPushButton *stopSelected() const { return m_stopSelected; }
    QPushButton *stopAll() const { return m_stopAll; }
    // The uploader options cannot change while a run is on.
    QWidget *unitOptions() const { return m_unitOptions; }

    // Shown without signalling a change.
    void showLimit(int limit);
    void showUnitOptions(std::chrono::milliseconds responseTimeout, int retries);

Q_SIGNALS:
    void limitChanged(int limit);
    void unitOptionsChanged(std::chrono::milliseconds responseTimeout, int retries);

private:
    QWidget *buildUnitOptions();
    void emitUnitOptions();

    QPushButton *m_flashAll = nullptr;
    QPushButton *m_flashSelected = nullptr;
    QPushButton *m_rerunFailed = nullptr;
    QPushButton *m_stopSelected = nullptr;
    QPushButton *m_stopAll = nullptr;
    QSpinBox *m_limit = nullptr;
    QSpinBox *m_responseTimeout = nullptr;
    QSpinBox *m_retries = nullptr;
    QWidget *m_unitOptions = nullptr;
};
