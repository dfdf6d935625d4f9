#pragma once

#include <QObject>
#include <QString>

#include <functional>

class ActivityLog;
class UploadView;

// Uploads again and again in loop mode, unattended, and prints the count and the resident
// memory after each finished upload, to show that nothing grows from one upload to the next.
class SoakRun : public QObject
{
    Q_OBJECT

public:
    SoakRun(UploadView &view, std::function<void()> start, int uploads, QObject *parent = nullptr);

    // Returns the number of uploads finished; fewer than asked when one failed.
    int exec();

private:
    void onLine(const QString &line);

    UploadView &m_view;
    ActivityLog &m_log;
    std::function<void()> m_start;
    int m_uploads = 0;
    int m_finished = 0;
    bool m_done = false;
};
