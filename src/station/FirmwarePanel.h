#pragma once

#include <QGroupBox>
#include <QStringList>

class QLabel;

// The one firmware for all units: chosen by dialog or by dropping a file on the panel, checked
// at once, its summary shown.
class FirmwarePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit FirmwarePanel(QWidget *parent = nullptr);

    // Checks the file and shows it; false when it is not sound. A sound earlier choice then
    // stays, and refused() says why the new one was not taken.
    bool setPath(const QString &path);
    QString path() const { return m_path; }
    bool isValid() const { return m_valid; }
    // Why the file cannot be flashed; empty when it can.
    QString problem() const { return m_problem; }
    void setChoosingEnabled(bool enabled);
    // Shows what a run sends: the summary of its copy, whatever the file holds by now.
    void showSummary(const QStringList &description);

Q_SIGNALS:
    // The absolute path of the file chosen.
    void pathChanged(const QString &path);
    void refused(const QString &reason);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void choose();

    QLabel *m_pathLabel = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QWidget *m_chooseButton = nullptr;
    QString m_path;
    bool m_valid = false;
    QString m_problem;
};
