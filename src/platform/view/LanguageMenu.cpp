#include "LanguageMenu.h"

#include "platform/Language.h"

#include <QActionGroup>
#include <QMessageBox>

LanguageMenu::LanguageMenu(SettingsStore settings, QWidget *parent)
    : QMenu(tr("&Language"), parent), m_settings(std::move(settings)),
      m_group(new QActionGroup(this))
{
    //: The entry that follows the desktop's language; %1 names the one it is now.
    addEntry(tr("The &system's (%1)").arg(Language::nativeName(Language::systemCode())), QString());
    addSeparator();
    for (const QString &code : Language::codes())
        addEntry(Language::nativeName(code), code);
}

QString LanguageMenu::checkedCode() const
{
    const QAction *checked = m_group->checkedAction();
    return checked ? checked->data().toString() : QString();
}

void LanguageMenu::addEntry(const QString &text, const QString &code)
{
    QAction *action = addAction(text);
    action->setData(code);
    action->setCheckable(true);
    action->setChecked(code == Language::saved(m_settings));
    m_group->addAction(action);
    connect(action, &QAction::triggered, this, [this, code] { choose(code); });
}

void LanguageMenu::choose(const QString &code)
{
    if (!Language::save(m_settings, code)) {
        QMessageBox::warning(parentWidget(), tr("Language"),
                             tr("The choice of language could not be saved."));
        return;
    }
    Q_EMIT chosen(code);
    tellRestart();
}

void LanguageMenu::tellRestart()
{
    auto *box = new QMessageBox(QMessageBox::Information, tr("Language"),
                                tr("The new language is used from the next start of the "
                                   "program."),
                                QMessageBox::Ok, parentWidget());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
