#include "FirmwarePanel.h"

#include "FirmwareSnapshot.h"
#include "platform/CoreText.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

namespace {

QString localFile(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().first();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

} // namespace

FirmwarePanel::FirmwarePanel(QWidget *parent) : QGroupBox(tr("Firmware"), parent)
{
    setAcceptDrops(true);
    m_pathLabel = new QLabel(tr("No file chosen: choose one or drop it here."), this);
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summaryLabel->setWordWrap(true);
    auto *choose = new QPushButton(tr("&Choose..."), this);
    m_chooseButton = choose;
    connect(choose, &QPushButton::clicked, this, &FirmwarePanel::choose);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_pathLabel, 0, 0);
    layout->addWidget(choose, 0, 1);
    layout->addWidget(m_summaryLabel, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
}

// A file that cannot be flashed never replaces one that can: the earlier choice stays, and the
// refusal is said. Without an earlier choice the panel shows why the file cannot be flashed.
bool FirmwarePanel::setPath(const QString &path)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    QStringList description;
    QString error;
    const bool valid = FirmwareSnapshot::inspect(absolute, &description, &error);
    m_problem = valid ? QString() : error;
    error = CoreText::shown(error);
    if (!valid && m_valid) {
        Q_EMIT refused(tr("%1\nThe firmware chosen before stays: %2")
                           .arg(error, QDir::toNativeSeparators(m_path)));
        return false;
    }
    m_path = absolute;
    m_valid = valid;
    m_pathLabel->setText(QDir::toNativeSeparators(absolute));
    m_pathLabel->setToolTip(m_pathLabel->text());
    m_summaryLabel->setText(valid ? CoreText::shown(description).join(QLatin1Char('\n'))
                                  : tr("Cannot be flashed: %1").arg(error));
    Q_EMIT pathChanged(absolute);
    return valid;
}

void FirmwarePanel::showSummary(const QStringList &description)
{
    m_summaryLabel->setText(CoreText::shown(description).join(QLatin1Char('\n')));
}

void FirmwarePanel::setChoosingEnabled(bool enabled)
{
    m_chooseButton->setEnabled(enabled);
    setAcceptDrops(enabled);
}

void FirmwarePanel::choose()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Choose firmware"), QFileInfo(m_path).absolutePath(),
                                     tr("Intel HEX files (*.hex);;All files (*)"));
    if (!path.isEmpty())
        setPath(path);
}

void FirmwarePanel::dragEnterEvent(QDragEnterEvent *event)
{
    if (!localFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FirmwarePanel::dropEvent(QDropEvent *event)
{
    const QString path = localFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    setPath(path);
}
