#include "SoakRun.h"

#include "ProcessProbe.h"
#include "upload/ActivityLog.h"
#include "upload/UploadView.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

namespace {

const QString kFinished = QStringLiteral("Done!  Unit is ready to use.");
const QString kFailure = QStringLiteral("Disconnecting from ");

} // namespace

SoakRun::SoakRun(UploadView &view, std::function<void()> start, int uploads, QObject *parent)
    : QObject(parent), m_view(view), m_log(view.activityLog()), m_start(std::move(start)),
      m_uploads(uploads)
{
    connect(&m_log, &ActivityLog::lineAppended, this, &SoakRun::onLine);
}

int SoakRun::exec()
{
    m_view.setChecked(Tool::Loop, true);
    m_start();
    while (!m_done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return m_finished;
}

void SoakRun::onLine(const QString &line)
{
    if (m_done)
        return;
    QTextStream out(stdout);
    if (line == kFinished) {
        ++m_finished;
        // Unchecked before the engine looks at it, so the last upload does not restart.
        if (m_finished >= m_uploads) {
            m_view.setChecked(Tool::Loop, false);
            m_done = true;
        }
        out << "upload " << m_finished << " rss_kib=" << ProcessProbe::residentKiB()
            << " hwm_kib=" << ProcessProbe::peakResidentKiB() << " log_lines=" << m_log.count()
            << Qt::endl;
    } else if (line.startsWith(kFailure)) {
        out << "upload " << (m_finished + 1) << " failed: "
            << m_log.lines().mid(std::max(0, m_log.count() - 6)).join(QStringLiteral(" | "))
            << Qt::endl;
        m_view.setChecked(Tool::Loop, false);
        m_done = true;
    }
}
