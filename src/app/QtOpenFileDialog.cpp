#include "QtOpenFileDialog.h"

#include "platform/CoreText.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

QtOpenFileDialog::QtOpenFileDialog(QWidget *parent) : m_dialog(new QFileDialog(parent))
{
    // A desktop's native dialog may need the GLib event loop, which the program does not run.
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
}

QtOpenFileDialog::~QtOpenFileDialog()
{
    // A parent that went first has already taken the dialog with it.
    delete m_dialog.data();
}

QStringList QtOpenFileDialog::nameFilters(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));

    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        const QString patterns =
            parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        result.append(QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns.trimmed()));
    }
    return result;
}

QString QtOpenFileDialog::resolveFolder(const QString &folder)
{
    if (folder.isEmpty() || folder == QLatin1String(OpenFileDialogSettings::kCurrentFolder))
        return QDir::currentPath();
    return folder;
}

void QtOpenFileDialog::apply(const OpenFileDialogSettings &settings, const QString &initialFileName)
{
    m_dialog->setWindowTitle(CoreText::shown(settings.title));
    m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_dialog->setFileMode((settings.flags & OpenFileDialogSettings::kFileMustExist)
                              ? QFileDialog::ExistingFile
                              : QFileDialog::AnyFile);
    m_dialog->setDirectory(resolveFolder(settings.initialFolder));
    m_dialog->setNameFilters(nameFilters(CoreText::shown(settings.filter)));
    // A full path takes the dialog back to the folder of the last choice.
    if (!initialFileName.isEmpty())
        m_dialog->selectFile(initialFileName);
}

QString QtOpenFileDialog::show(const OpenFileDialogSettings &settings,
                               const QString &initialFileName)
{
    apply(settings, initialFileName);
    if (m_dialog->exec() != QDialog::Accepted)
        return {};
    const QStringList files = m_dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

QFileDialog &QtOpenFileDialog::dialog() const
{
    return *m_dialog;
}
