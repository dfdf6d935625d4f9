#include "CutTextFinder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>

namespace {

// The room a header section needs, as the header itself reckons it.
class HeaderAccess : public QHeaderView
{
public:
    using QHeaderView::sectionSizeFromContents;
};

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString plainText(const QLabel &label)
{
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (!rich)
        return label.buddy() ? CutTextFinder::shownText(label.text()) : label.text();
    QTextDocument document;
    document.setHtml(label.text());
    return document.toPlainText();
}

// A push button's frame and margins around its text, as the style draws them.
int pushButtonChrome(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault() || button.isDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    int contents = 0;
    if (!button.icon().isNull())
        contents += button.iconSize().width() + 4;
    if (button.menu())
        contents += button.style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, &button);
    return button.style()
        ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(contents, 0), &button)
        .width();
}

} // namespace

QStringList CutTextFinder::problems(const QWidget &window)
{
    QStringList found;
    const auto add = [&found](const QString &problem) {
        if (!problem.isEmpty())
            found.append(problem);
    };
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            add(buttonProblem(*button));
        else if (const auto *label = qobject_cast<const QLabel *>(widget))
            add(labelProblem(*label));
        else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
            add(groupBoxProblem(*box));
        else if (const auto *header = qobject_cast<const QHeaderView *>(widget))
            found += headerProblems(*header);
        else if (const auto *bar = qobject_cast<const QMenuBar *>(widget))
            found += menuBarProblems(*bar);
    }
    return found;
}

QString CutTextFinder::shownText(const QString &text)
{
    QString shown;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) == QLatin1Char('&') && at + 1 < text.size())
            ++at;
        shown += text.at(at);
    }
    return shown;
}

QString CutTextFinder::buttonProblem(const QAbstractButton &button)
{
    const QString text = shownText(button.text());
    if (text.isEmpty())
        return {};
    if (const auto *tool = qobject_cast<const QToolButton *>(&button);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return {};
    int needed = button.sizeHint().width();
    if (const auto *push = qobject_cast<const QPushButton *>(&button))
        needed = pushButtonChrome(*push) + button.fontMetrics().horizontalAdvance(text);
    if (button.width() >= needed)
        return {};
    return describe(button, text) +
           QStringLiteral(" is %1 px wide, needs %2").arg(button.width()).arg(needed);
}

QString CutTextFinder::labelProblem(const QLabel &label)
{
    if (label.wordWrap() || label.text().isEmpty())
        return {};
    const QString text = plainText(label);
    // An elided text shows its end as "…" on purpose; it says the whole in its tool tip.
    if (text.contains(QChar(0x2026)) && !label.toolTip().isEmpty())
        return {};
    const int needed =
        widestLine(label.fontMetrics(), text) + 2 * label.margin() + qMax(0, label.indent());
    const int room = label.contentsRect().width();
    if (room >= needed)
        return {};
    return describe(label, text) +
           QStringLiteral(" has %1 px of room, needs %2").arg(room).arg(needed);
}

QString CutTextFinder::groupBoxProblem(const QGroupBox &box)
{
    const QString title = shownText(box.title());
    if (title.isEmpty() || box.width() >= box.minimumSizeHint().width())
        return {};
    const int needed = box.fontMetrics().horizontalAdvance(title);
    if (box.width() >= needed)
        return {};
    return describe(box, title) +
           QStringLiteral(" is %1 px wide, its title %2").arg(box.width()).arg(needed);
}

QStringList CutTextFinder::headerProblems(const QHeaderView &header)
{
    QStringList found;
    if (header.orientation() != Qt::Horizontal || !header.model())
        return found;
    const auto sizeOfContents = &HeaderAccess::sectionSizeFromContents;
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const int needed = (header.*sizeOfContents)(section).width();
        if (header.sectionSize(section) >= needed)
            continue;
        const QString text =
            header.model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        found.append(describe(header, text) + QStringLiteral(" is %1 px wide, needs %2")
                                                  .arg(header.sectionSize(section))
                                                  .arg(needed));
    }
    return found;
}

QStringList CutTextFinder::menuBarProblems(const QMenuBar &bar)
{
    QStringList found = sharedAccelerators(QStringLiteral("the menu bar"), bar.actions());
    for (QAction *action : bar.actions()) {
        if (!action->isVisible())
            continue;
        const QRect place = bar.actionGeometry(action);
        if (place.isEmpty() || !bar.rect().contains(place))
            found.append(describe(bar, shownText(action->text())) +
                         QStringLiteral(" has no room in the menu bar"));
    }
    return found;
}

QStringList CutTextFinder::sharedAccelerators(const QString &where, const QList<QAction *> &actions)
{
    QStringList found;
    QHash<QKeySequence, QString> taken;
    for (const QAction *action : actions) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        if (const QMenu *menu = action->menu())
            found += sharedAccelerators(shownText(action->text()), menu->actions());
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        if (key.isEmpty())
            continue;
        if (taken.contains(key))
            found.append(
                QStringLiteral("in %1, \"%2\" and \"%3\" share the accelerator %4")
                    .arg(where, taken.value(key), shownText(action->text()), key.toString()));
        else
            taken.insert(key, shownText(action->text()));
    }
    return found;
}

QString CutTextFinder::describe(const QWidget &widget, const QString &text)
{
    const QString name = widget.objectName().isEmpty()
                             ? QString::fromLatin1(widget.metaObject()->className())
                             : widget.objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, text);
}
