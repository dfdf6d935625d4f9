#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class FirmwareSelector;
class FirmwareSummary;
class QLabel;
class QMimeData;
class UploadEngine;
class UploadView;
class WindowMemory;

// Firmware chosen in one move: dropped on the window or named on the command line. A file that
// is no Intel HEX firmware is refused at once, with the reason in the log, before it can reach
// the start button; a sound one is chosen exactly as through the dialog, which checks its files
// the same way (accepts()).
class FirmwareChoice
{
    Q_DECLARE_TR_FUNCTIONS(FirmwareChoice)

public:
    FirmwareChoice(FirmwareSelector &selector, UploadEngine &engine, UploadView &view,
                   WindowMemory &memory);

    // Whether the file was chosen.
    bool choose(const QString &path);
    // Whether the file can be used; when not, the reason goes to the log.
    bool accepts(const QString &path);
    // A further reason to refuse a sound file (its signature), asked last.
    using FurtherCheck = std::function<std::optional<QString>(const QString &path)>;
    void setFurtherCheck(FurtherCheck check) { m_furtherCheck = std::move(check); }

    // The one local file a drag carries, or an empty text.
    static QString draggedFile(const QMimeData *data);
    // Why the file cannot be used, or an empty text when it can; summary, when given, receives
    // what the image holds when it could be read.
    static QString problemWith(const QString &path, FirmwareSummary *summary = nullptr);

    // The label's tooltip: the full path and what the image holds.
    static QString tooltipFor(const QString &path, const QStringList &more = {});

private:
    void refuse(const QString &path, const QString &reason);
    void reportOverlaps(const FirmwareSummary &summary);

    FirmwareSelector &m_selector;
    UploadEngine &m_engine;
    UploadView &m_view;
    WindowMemory &m_memory;
    FurtherCheck m_furtherCheck;
};
