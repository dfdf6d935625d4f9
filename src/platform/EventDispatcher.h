#pragma once

// Every record waits for the unit's answer, so the uploader lives on event-loop wake-ups. Qt's
// own dispatcher needs about half the system calls per wake-up of the GLib one; this picks it
// before the application object is made, unless the user chose otherwise through QT_NO_GLIB.
class EventDispatcher
{
public:
    static void preferQtDispatcher();
};
