#include "FirmwareChoice.h"

#include "AttemptRecorder.h"
#include "WindowMemory.h"
#include "firmware/FirmwareSelector.h"
#include "firmware/FirmwareSummary.h"
#include "firmware/IntelHexCheck.h"
#include "platform/CoreText.h"
#include "upload/ActivityLog.h"
#include "upload/UploadEngine.h"
#include "upload/UploadView.h"

#include <QFileInfo>
#include <QMimeData>
#include <QTextDocument>
#include <QUrl>

FirmwareChoice::FirmwareChoice(FirmwareSelector &selector, UploadEngine &engine, UploadView &view,
                               WindowMemory &memory)
    : m_selector(selector), m_engine(engine), m_view(view), m_memory(memory)
{}

QString FirmwareChoice::draggedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    // One firmware per upload: several files at once are not a choice.
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

QString FirmwareChoice::problemWith(const QString &path, FirmwareSummary *summary)
{
    const QFileInfo info(path);
    if (!info.exists())
        return tr("there is no such file");
    if (info.isDir())
        return tr("it is a folder, not a file");
    QString openError;
    std::optional<IntelHexCheck::Result> check = IntelHexCheck::inspect(path, &openError);
    if (!check)
        return tr("not valid Intel HEX: %1").arg(CoreText::shown(openError));
    if (summary)
        *summary = std::move(check->summary);
    if (check->problem)
        return tr("not valid Intel HEX: %1").arg(CoreText::shown(check->problem->text));
    return {};
}

bool FirmwareChoice::accepts(const QString &path)
{
    FirmwareSummary summary;
    QString problem = problemWith(path, &summary);
    if (problem.isEmpty() && m_furtherCheck)
        problem = m_furtherCheck(path).value_or(QString());
    if (!problem.isEmpty())
        refuse(path, problem);
    else
        reportOverlaps(summary);
    return problem.isEmpty();
}

bool FirmwareChoice::choose(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!accepts(absolute))
        return false;
    m_selector.chooseFile(absolute);
    m_memory.setFirmwareFolder(QFileInfo(absolute).absolutePath());
    return true;
}

// Not a refusal: real images write a stamp over their own code on purpose. The operator learns
// which bytes the unit will keep before the upload, not from the unit.
void FirmwareChoice::reportOverlaps(const FirmwareSummary &summary)
{
    const QStringList lines = summary.describeOverlaps();
    if (lines.isEmpty())
        return;
    ActivityLog &log = m_view.activityLog();
    for (const QString &line : lines)
        log.append(line);
    log.ScrollLog();
}

void FirmwareChoice::refuse(const QString &path, const QString &reason)
{
    ActivityLog &log = m_view.activityLog();
    // Two short lines rather than one long one: the log is narrow at its drawn size.
    log.append(tr("Cannot use \"%1\" as the firmware file:").arg(QFileInfo(path).fileName()));
    log.append(QStringLiteral("  ") + CoreText::shown(reason));
    // Red tells of a failed upload; a refusal in the middle of one must not look like its end.
    if (!m_engine.isBusy())
        log.setBackColour(ActivityLog::kRed);
    log.ScrollLog();
}

QString FirmwareChoice::tooltipFor(const QString &path, const QStringList &more)
{
    if (path.isEmpty())
        return tr("Click to choose the firmware file, or drop one on the window");
    // As text, line by line: a file name that looks like markup is shown as it is.
    const QStringList lines =
        QStringList{path} + CoreText::shown(AttemptRecorder::describeFirmware(path) + more);
    return Qt::convertFromPlainText(lines.join(QLatin1Char('\n')), Qt::WhiteSpaceNormal);
}
