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
    const QString text = QStringLiteral("<p><b>Firmware Uploader Station</b><br>Version %1</p>"
                                        "<p>Flashes one Intel HEX firmware file into many control "
                                        "units at once, one command-line uploader per unit.</p>"
                                        "<p>Built with Qt %2, running on Qt %3.</p>")
                             .arg(QStringLiteral(FWU_APP_VERSION), QStringLiteral(QT_VERSION_STR),
                                  QString::fromLatin1(qVersion()));
    return text + QStringLiteral("<p>%1</p>").arg(QStringLiteral(FWU_LICENCE_NOTICE));
}

QString StationHelp::shortcutsText()
{
    const QList<std::pair<QString, QString>> shortcuts{
        {key(QKeySequence::Open), QStringLiteral("Open a list of units")},
        {key(QKeySequence::SaveAs), QStringLiteral("Save the list of units")},
        {QStringLiteral("Alt+A"), QStringLiteral("Flash all")},
        {QStringLiteral("Alt+S"), QStringLiteral("Flash the selected units")},
        {QStringLiteral("Alt+R"), QStringLiteral("Re-run the failed units")},
        {QStringLiteral("Alt+P"), QStringLiteral("Stop the selected units (asks first)")},
        {QStringLiteral("Alt+T"), QStringLiteral("Stop all (asks first)")},
        {QStringLiteral("F2"), QStringLiteral("Edit the current cell")},
        {QStringLiteral("Enter, double-click"), QStringLiteral("Show the unit's log")},
        {QStringLiteral("Menu key, right click"),
         QStringLiteral("Stop, show the log or re-run the selected units")},
        {key(QKeySequence::Quit), QStringLiteral("Quit (asks first while units are flashed)")},
    };
    QString rows;
    for (const auto &[keys, action] : shortcuts)
        rows += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(keys.toHtmlEscaped(), action.toHtmlEscaped());
    return QStringLiteral("<table>%1</table>").arg(rows);
}

void StationHelp::showAbout(QWidget *parent)
{
    QMessageBox::about(parent, QStringLiteral("About Firmware Uploader Station"), aboutText());
}

void StationHelp::showShortcuts(QWidget *parent)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Keyboard Shortcuts"), shortcutsText(),
                    QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.exec();
}
