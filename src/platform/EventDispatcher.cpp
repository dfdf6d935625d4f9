#include "EventDispatcher.h"

#include <QByteArray>
#include <QtGlobal>

void EventDispatcher::preferQtDispatcher()
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}
