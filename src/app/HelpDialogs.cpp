#include "HelpDialogs.h"

#include "MainMenus.h"
#include "ProgramNotice.h"

#include <QMessageBox>

QString HelpDialogs::aboutText(const QString &title, const QString &version)
{
    QString text =
        QStringLiteral("<p><b>%1</b><br>%2</p><p>%3</p><p>%4</p><p>%5</p>")
            .arg(title.toHtmlEscaped(), tr("Version %1").arg(version).toHtmlEscaped(),
                 tr("Installs Intel HEX firmware into a control unit over Ethernet.")
                     .toHtmlEscaped(),
                 tr("Built with Qt %1, running on Qt %2.")
                     .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()))
                     .toHtmlEscaped(),
                 QStringLiteral(FWU_LICENCE_NOTICE).toHtmlEscaped());
    const QString homepage = QStringLiteral(FWU_HOMEPAGE);
    if (!homepage.isEmpty())
        text += QStringLiteral("<p><a href=\"%1\">%1</a></p>").arg(homepage.toHtmlEscaped());
    return text;
}

QString HelpDialogs::shortcutsText()
{
    QString rows;
    for (const auto &[key, action] : MainMenus::shortcuts())
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(key.toHtmlEscaped(), action.toHtmlEscaped());
    return QStringLiteral("<table>%1</table>").arg(rows);
}

void HelpDialogs::showAbout(QWidget *parent, const QString &title, const QString &version)
{
    //: The title of Help > About; %1 is the program's name.
    QMessageBox::about(parent, tr("About %1").arg(title), aboutText(title, version));
}

void HelpDialogs::showShortcuts(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, tr("Keyboard Shortcuts"), shortcutsText(),
                    QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}
