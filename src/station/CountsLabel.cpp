#include "CountsLabel.h"

#include "UnitListModel.h"

CountsLabel::CountsLabel(const UnitListModel &model, QWidget *parent)
    : QLabel(parent), m_model(model)
{
    setObjectName(QStringLiteral("counts"));
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setTextFormat(Qt::RichText);
    connect(this, &QLabel::linkActivated, this, &CountsLabel::failedClicked);
}

void CountsLabel::update()
{
    const int failed = m_model.counts().failed;
    const QString failedText = UnitListModel::failedText(failed).toHtmlEscaped();
    QString html = m_model.countsText().toHtmlEscaped();
    if (failed > 0)
        html.replace(failedText, QStringLiteral("<a href=\"failed\">%1</a>").arg(failedText));
    setText(html);
}
