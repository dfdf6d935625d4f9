#include "SerialControls.h"

#include "SerialDialog.h"
#include "StationRunner.h"
#include "StationSession.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

SerialControls::SerialControls(StationSession &session, StationRunner &runner, QWidget *window)
    : QObject(window), m_session(session), m_runner(runner), m_window(window),
      m_label(new QLabel(window))
{
    apply();
}

QAction *SerialControls::addAction(QMenu *file)
{
    return file->addAction(tr("Serial &numbers..."), this, &SerialControls::edit);
}

void SerialControls::apply()
{
    const SerialSettings &settings = m_session.settings().serials;
    m_runner.setSerialSettings(settings);
    m_label->setText(settings.describe());
}

void SerialControls::edit()
{
    SerialDialog dialog(m_session.settings().serials, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.settings().serials = dialog.settings();
    apply();
}
