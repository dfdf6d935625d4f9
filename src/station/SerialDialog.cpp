#include "SerialDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kPrefixes[] = {"counter:", "list:", "hexlist:"};

} // namespace

SerialDialog::SerialDialog(const SerialSettings &settings, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Serial numbers"));
    m_enabled = new QCheckBox(tr("&Write a number of its own into each unit's image"), this);
    m_enabled->setChecked(settings.enabled);
    m_at = new QLineEdit(settings.at, this);
    m_at->setPlaceholderText(tr("e.g. 0x7FF0:4"));
    m_format = new QComboBox(this);
    m_format->addItem(tr("Number, little-endian"), QStringLiteral("le"));
    m_format->addItem(tr("Number, big-endian"), QStringLiteral("be"));
    m_format->addItem(tr("Decimal digits (ASCII)"), QStringLiteral("ascii"));
    m_format->addItem(tr("Hex digits (ASCII)"), QStringLiteral("hex"));
    m_format->addItem(tr("Bytes as given (e.g. a MAC address)"), QStringLiteral("bytes"));
    m_format->setCurrentIndex(qMax(0, m_format->findData(settings.format)));
    m_source = new QComboBox(this);
    m_source->addItems(
        {tr("Counter"), tr("List file"), tr("Intel HEX list file"), tr("The scanned label")});
    m_sourceValue = new QLineEdit(this);
    m_browse = new QPushButton(tr("&Browse..."), this);
    m_pool = new QLineEdit(settings.pool, this);
    m_pool->setPlaceholderText(tr("the title"));
    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);

    int source = Counter;
    QString value = settings.from;
    if (settings.usesLabel()) {
        source = Label;
        value.clear();
    }
    for (int i = 0; i < 3; ++i) {
        if (settings.from.startsWith(QLatin1String(kPrefixes[i]))) {
            source = i;
            value = settings.from.mid(int(qstrlen(kPrefixes[i])));
        }
    }
    m_source->setCurrentIndex(source);
    m_sourceValue->setText(value);
    showSource(source);
    connect(m_source, &QComboBox::currentIndexChanged, this, &SerialDialog::showSource);
    connect(m_browse, &QPushButton::clicked, this, &SerialDialog::browse);

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source);
    sourceRow->addWidget(m_sourceValue, 1);
    sourceRow->addWidget(m_browse);
    auto *form = new QFormLayout;
    form->addRow(tr("&Address:length:"), m_at);
    form->addRow(tr("&Format:"), m_format);
    form->addRow(tr("&Source:"), sourceRow);
    form->addRow(tr("&Pool:"), m_pool);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

void SerialDialog::showSource(int source)
{
    m_sourceValue->setEnabled(source != Label);
    m_browse->setEnabled(source == List || source == HexList);
    m_sourceValue->setPlaceholderText(source == Counter ? tr("first[:last], e.g. 1000:1999")
                                      : source == Label ? QString()
                                                        : tr("the file"));
}

void SerialDialog::browse()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Serial number list"), m_sourceValue->text());
    if (!path.isEmpty())
        m_sourceValue->setText(path);
}

QString SerialDialog::sourceText() const
{
    const int source = m_source->currentIndex();
    if (source == Label)
        return QString::fromLatin1(SerialSettings::kLabelSource);
    return QString::fromLatin1(kPrefixes[source]) + m_sourceValue->text().trimmed();
}

SerialSettings SerialDialog::settings() const
{
    SerialSettings settings;
    settings.enabled = m_enabled->isChecked();
    settings.at = m_at->text().trimmed();
    settings.format = m_format->currentData().toString();
    settings.from = sourceText();
    settings.pool = m_pool->text().trimmed();
    return settings;
}

QString SerialDialog::problem() const
{
    return settings().problem();
}

void SerialDialog::accept()
{
    const QString text = problem();
    m_problem->setText(text);
    if (text.isEmpty())
        QDialog::accept();
}
