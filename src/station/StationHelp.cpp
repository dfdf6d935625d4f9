#include "StationHelp.h"

#include "ProgramNotice.h"

#include <QKeySequence>
#include <QMessageBox>

namespace {

QString key(QKeySequence::StandardKey standard)
{
    return QKeySequence(standard).toString(QKeySequence::NativeText);
}

} // namespace

QString StationHelp::aboutText()
{
    const QString text = tr("<p><b>Firmware Uploader Station</b><br>Version %1</p>"
                            "<p>Flashes one Intel HEX firmware file into many control units at "
                            "once, one command-line uploader per unit.</p>"
                            "<p>Built with Qt %2, running on Qt %3.</p>")
                             .arg(QStringLiteral(FWU_APP_VERSION), QStringLiteral(QT_VERSION_STR),
                                  QString::fromLatin1(qVersion()));
    return text + QStringLiteral("<p>%1</p>").arg(QStringLiteral(FWU_LICENCE_NOTICE));
}

// The Alt keys follow the buttons' accelerators, so they are translated with them.
QString StationHelp::shortcutsText()
{
    const QList<std::pair<QString, QString>> shortcuts{
        {key(QKeySequence::Open), tr("Open a list of units")},
        {key(QKeySequence::SaveAs), tr("Save the list of units")},
        //: The accelerator of the "Flash &all" button.
        {tr("Alt+A"), tr("Flash all")},
        //: The accelerator of the "Flash &selected" button.
        {tr("Alt+S"), tr("Flash the selected units")},
        //: The accelerator of the "&Re-run failed" button.
        {tr("Alt+R"), tr("Re-run the failed units")},
        //: The accelerator of the "Sto&p selected" button.
        {tr("Alt+P"), tr("Stop the selected units (asks first)")},
        //: The accelerator of the "S&top all" button.
        {tr("Alt+T"), tr("Stop all (asks first)")},
        {tr("F2"), tr("Edit the current cell")},
        {tr("Enter, double-click"), tr("Show the unit's log")},
        {tr("Menu key, right click"), tr("Stop, show the log or re-run the selected units")},
        {key(QKeySequence::Quit), tr("Quit (asks first while units are flashed)")},
    };
    QString rows;
    for (const auto &[keys, action] : shortcuts)
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(keys.toHtmlEscaped(), action.toHtmlEscaped());
    return QStringLiteral("<table>%1</table>").arg(rows);
}

void StationHelp::showAbout(QWidget *parent)
{
    QMessageBox::about(parent, tr("About Firmware Uploader Station"), aboutText());
}

void StationHelp::showShortcuts(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, tr("Keyboard Shortcuts"), shortcutsText(),
                    QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}
