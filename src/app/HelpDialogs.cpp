#include "HelpDialogs.h"

#include "MainMenus.h"
#include "ProgramNotice.h"

#include <QMessageBox>

QString HelpDialogs::aboutText(const QString &title, const QString &version)
{
    QString text = QStringLiteral("<p><b>%1</b><br>Version %2</p>"
                                  "<p>Installs Intel HEX firmware into a control unit over "
                                  "Ethernet.</p>"
                                  "<p>Built with Qt %3, running on Qt %4.</p>"
                                  "<p>%5</p>")
                       .arg(title.toHtmlEscaped(), version, QStringLiteral(QT_VERSION_STR),
                            QString::fromLatin1(qVersion()),
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
    QMessageBox::about(parent, QStringLiteral("About ") + title, aboutText(title, version));
}

void HelpDialogs::showShortcuts(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyboard Shortcuts"), shortcutsText(),
                    QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}
