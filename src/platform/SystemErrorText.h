#pragma once

#include <QString>

// The system's words for an error number, in English whatever language the process runs in: they
// go into records (the flash history, the command line's JSON) as well as onto a screen, where
// CoreText::shown translates them. The errors a connection to a unit meets are known to the
// catalogs; any other comes in the C library's English.
class SystemErrorText
{
public:
    static QString of(int systemError);
};
