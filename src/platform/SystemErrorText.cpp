#include "SystemErrorText.h"

#include "CoreText.h"

#include <cerrno>
#include <cstring>
#include <locale.h>

namespace {

// Word for word the C library's English, so that records read as they always have.
QString knownText(int systemError)
{
    switch (systemError) {
    case ECONNREFUSED:
        return CoreText::english("Connection refused");
    case ETIMEDOUT:
        return CoreText::english("Connection timed out");
    case EHOSTUNREACH:
        return CoreText::english("No route to host");
    case ENETUNREACH:
        return CoreText::english("Network is unreachable");
    case ECONNRESET:
        return CoreText::english("Connection reset by peer");
    case EPIPE:
        return CoreText::english("Broken pipe");
    case ECONNABORTED:
        return CoreText::english("Software caused connection abort");
    case EADDRNOTAVAIL:
        return CoreText::english("Cannot assign requested address");
    case EADDRINUSE:
        return CoreText::english("Address already in use");
    case EHOSTDOWN:
        return CoreText::english("Host is down");
    case ENETDOWN:
        return CoreText::english("Network is down");
    case ENETRESET:
        return CoreText::english("Network dropped connection on reset");
    case EAFNOSUPPORT:
        return CoreText::english("Address family not supported by protocol");
    case EACCES:
        return CoreText::english("Permission denied");
    case EPERM:
        return CoreText::english("Operation not permitted");
    case EMFILE:
        return CoreText::english("Too many open files");
    case ENFILE:
        return CoreText::english("Too many open files in system");
    case ENOBUFS:
        return CoreText::english("No buffer space available");
    case ENOMEM:
        return CoreText::english("Cannot allocate memory");
    default:
        return {};
    }
}

// strerror() follows the process's locale (LANGUAGE=de gives German); the "C" locale's words are
// English. Made once: a locale object costs an allocation, and it is never freed.
locale_t englishLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

} // namespace

QString SystemErrorText::of(int systemError)
{
    if (QString known = knownText(systemError); !known.isNull())
        return known;
    if (const locale_t locale = englishLocale())
        return QString::fromUtf8(strerror_l(systemError, locale));
    //: The words for a system error number when the system's own cannot be had
    return CoreText::english("System error %1").arg(systemError);
}
