#include "FirmwarePanel.h"

#include "FirmwareSnapshot.h"

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

FirmwarePanel::FirmwarePanel(QWidget *parent) : QGroupBox(QStringLiteral("Firmware"), parent)
{
    setAcceptDrops(true);
    m_pathLabel = new QLabel(QStringLiteral("No file chosen: choose one or drop it here."), this);
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summaryLabel->setWordWrap(true);
    auto *choose = new QPushButton(QStringLiteral("&Choose..."), this);
    m_chooseButton = choose;
    connect(choose, &QPushButton::clicked, this, &FirmwarePanel::choose);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_pathLabel, 0, 0);
    layout->addWidget(choose, 0, 1);
    layout->addWidget(m_summaryLabel, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
}

bool FirmwarePanel::setPath(const QString &path)
{
    m_path = path;
    QStringList description;
    QString error;
    m_valid = FirmwareSnapshot::inspect(path, &description, &error);
    m_problem = m_valid ? QString() : error;
    m_pathLabel->setText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    m_pathLabel->setToolTip(m_pathLabel->text());
    m_summaryLabel->setText(m_valid ? description.join(QLatin1Char('\n'))
                                    : QStringLiteral("Cannot be flashed: ") + error);
    Q_EMIT pathChanged(path);
    return m_valid;
}

void FirmwarePanel::showSummary(const QStringList &description)
{
    m_summaryLabel->setText(description.join(QLatin1Char('\n')));
}

void FirmwarePanel::setChoosingEnabled(bool enabled)
{
    m_chooseButton->setEnabled(enabled);
    setAcceptDrops(enabled);
}

void FirmwarePanel::choose()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Choose firmware"), QFileInfo(m_path).absolutePath(),
        QStringLiteral("Intel HEX files (*.hex);;All files (*)"));
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
