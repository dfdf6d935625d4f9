#include "UnitLogDialog.h"

#include "StationUnit.h"
#include "UnitStateText.h"
#include "platform/CoreText.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

UnitLogDialog::UnitLogDialog(const StationUnit &unit, QWidget *parent) : QDialog(parent)
{
    const QString who =
        unit.name.isEmpty() ? unit.address + QLatin1Char(':') + unit.port : unit.name;
    setWindowTitle(tr("Log of %1").arg(who));
    m_suggestedName = QStringLiteral("%1.log").arg(who).replace(QLatin1Char('/'), QLatin1Char('_'));
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList header{QStringLiteral("%1 (%2:%3)").arg(who, unit.address, unit.port)};
    if (unit.state != UnitState::Idle)
        header << tr("State: %1, exit code %2").arg(UnitStateText::text(unit)).arg(unit.exitCode);
    if (!unit.reason.isEmpty())
        header << tr("Reason: %1").arg(CoreText::shown(unit.reason));
    m_text->setPlainText(header.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
                         CoreText::shown(unit.log).join(QLatin1Char('\n')) +
                         (unit.errors.isEmpty()
                              ? QString()
                              : QStringLiteral("\n\n") + tr("Standard error:") + QLatin1Char('\n') +
                                    CoreText::shown(unit.errors).join(QLatin1Char('\n'))));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &UnitLogDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(640, 420);
}

void UnitLogDialog::save()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save log"), m_suggestedName,
                                                      tr("Log files (*.log *.txt)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray content = m_text->toPlainText().toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        QMessageBox::warning(this, windowTitle(),
                             tr("Cannot save %1: %2").arg(path, file.errorString()));
}
