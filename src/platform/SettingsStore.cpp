#include "SettingsStore.h"

#include "LogCategories.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>

#include <memory>

namespace {

// Within one process, QSettings objects for the same file share their unsaved changes, so a
// save under way in another thread could be seen half made. Between processes, QSettings' lock
// file and its whole-file replacement keep each save whole.
QMutex &fileAccess()
{
    static QMutex mutex;
    return mutex;
}

// Room for ".ini" and a ".lock" beside it within the usual 255-byte limit of a file name.
constexpr qsizetype kMaxBaseNameBytes = 200;
constexpr qsizetype kDigestHexDigits = 16;

std::unique_ptr<QSettings> settingsFor(const QString &rootFolder, const QString &application)
{
    const QString baseName = SettingsStore::fileBaseName(application);
    if (rootFolder.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QString::fromLatin1(SettingsStore::kOrganization),
                                           baseName);
    }
    return std::make_unique<QSettings>(rootFolder + QLatin1Char('/') +
                                           QLatin1String(SettingsStore::kOrganization) +
                                           QLatin1Char('/') + baseName + QLatin1String(".ini"),
                                       QSettings::IniFormat);
}

QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString memoryKey(const QString &application, const QString &section, const QString &key = {})
{
    return application + QChar(0) + section + QChar(0) + key;
}

bool needsEscape(QChar c)
{
    // '%' too, so that two different titles never share a file.
    static const QString kSpecial = QStringLiteral("/\\%:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || kSpecial.contains(c);
}

QString escaped(const QString &application)
{
    QString name;
    name.reserve(application.size());
    for (const QChar c : application) {
        if (needsEscape(c))
            name += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            name += c;
    }
    return name;
}

QString shortened(const QString &name, const QString &application)
{
    QByteArray bytes = name.toUtf8().left(kMaxBaseNameBytes);
    // Cut back to the start of a character.
    while (!bytes.isEmpty() && (quint8(bytes.back()) & 0xc0) == 0x80)
        bytes.chop(1);
    if (!bytes.isEmpty() && quint8(bytes.back()) >= 0xc0)
        bytes.chop(1);
    const QByteArray digest =
        QCryptographicHash::hash(application.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QString::fromUtf8(bytes) + QLatin1Char('~') +
           QString::fromLatin1(digest.left(kDigestHexDigits));
}

const char *statusText(QSettings::Status status)
{
    return status == QSettings::AccessError ? "it cannot be accessed"
                                            : "it is not a valid INI file";
}

QString readValue(const QSettings &settings, const QString &path, const QString &defaultText)
{
    const QVariant value = settings.value(path);
    if (!value.isValid())
        return defaultText;
    // A hand-edited value with an unquoted comma comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool readsBack(const QString &rootFolder, const QString &application, const QString &section,
               const QList<SettingsStore::Value> &values)
{
    const auto settings = settingsFor(rootFolder, application);
    if (settings->status() != QSettings::NoError)
        return false;
    for (const SettingsStore::Value &value : values) {
        if (readValue(*settings, keyPath(section, value.key), QString()) != value.text)
            return false;
    }
    return true;
}

} // namespace

SettingsStore::SettingsStore(const QString &rootFolder) : m_rootFolder(rootFolder) {}

SettingsStore SettingsStore::inMemory()
{
    SettingsStore store;
    store.m_inMemory = true;
    return store;
}

QString SettingsStore::fileBaseName(const QString &application)
{
    const QString name = escaped(application);
    if (name.toUtf8().size() <= kMaxBaseNameBytes)
        return name;
    return shortened(name, application);
}

QString SettingsStore::fileName(const QString &application) const
{
    return settingsFor(m_rootFolder, application)->fileName();
}

QString SettingsStore::read(const QString &application, const QString &section, const QString &key,
                            const QString &defaultText) const
{
    return read(application, section, {{key, defaultText}}).constFirst();
}

QStringList SettingsStore::read(const QString &application, const QString &section,
                                const QList<Value> &keysWithDefaults) const
{
    QStringList texts;
    if (m_inMemory) {
        for (const Value &entry : keysWithDefaults)
            texts += m_memory.value(memoryKey(application, section, entry.key), entry.text);
        return texts;
    }
    const QMutexLocker lock(&fileAccess());
    const auto settings = settingsFor(m_rootFolder, application);
    // A damaged file may still yield fragments; trusting none of them is the safer reading.
    const bool readable = settings->status() == QSettings::NoError;
    if (!readable) {
        qCWarning(lcSettings, "cannot read %ls (%s): the defaults are used",
                  qUtf16Printable(settings->fileName()), statusText(settings->status()));
    }
    for (const Value &entry : keysWithDefaults) {
        texts +=
            readable ? readValue(*settings, keyPath(section, entry.key), entry.text) : entry.text;
    }
    return texts;
}

bool SettingsStore::write(const QString &application, const QString &section, const QString &key,
                          const QString &text)
{
    return write(application, section, {{key, text}});
}

bool SettingsStore::write(const QString &application, const QString &section,
                          const QList<Value> &values)
{
    if (m_inMemory) {
        for (const Value &value : values)
            m_memory.insert(memoryKey(application, section, value.key), value.text);
        return true;
    }
    const QMutexLocker lock(&fileAccess());
    auto settings = settingsFor(m_rootFolder, application);
    if (settings->status() == QSettings::FormatError) {
        // Whatever of the damaged file was parsed would be merged into the new one; start clean
        // so that the next read does not discard the values saved now.
        const QString path = settings->fileName();
        settings.reset();
        qCInfo(lcSettings, "%ls is not a valid INI file: it is replaced", qUtf16Printable(path));
        if (!QFile::remove(path))
            qCWarning(lcSettings, "cannot remove the damaged %ls", qUtf16Printable(path));
        settings = settingsFor(m_rootFolder, application);
    }
    // QSettings writes all pending values in one replacement of the file, under its lock file.
    for (const Value &value : values)
        settings->setValue(keyPath(section, value.key), value.text);
    settings->sync();
    // sync() reads the file again before it replaces it; a damaged old file then leaves a
    // FormatError behind although the new file was written. What reads back is what counts.
    if (settings->status() == QSettings::NoError ||
        (settings->status() == QSettings::FormatError &&
         readsBack(m_rootFolder, application, section, values)))
        return true;
    qCWarning(lcSettings, "cannot save %ls (%s)", qUtf16Printable(settings->fileName()),
              statusText(settings->status()));
    return false;
}

void SettingsStore::deleteSection(const QString &application, const QString &section)
{
    if (m_inMemory) {
        const QString prefix = memoryKey(application, section);
        m_memory.removeIf([&prefix](const auto &entry) { return entry.key().startsWith(prefix); });
        return;
    }
    const QMutexLocker lock(&fileAccess());
    const auto settings = settingsFor(m_rootFolder, application);
    if (settings->status() != QSettings::NoError) {
        qCWarning(lcSettings, "cannot forget [%ls] in %ls (%s)", qUtf16Printable(section),
                  qUtf16Printable(settings->fileName()), statusText(settings->status()));
        return;
    }
    if (!settings->childGroups().contains(section))
        return;
    settings->remove(section);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        qCWarning(lcSettings, "cannot save %ls without [%ls] (%s)",
                  qUtf16Printable(settings->fileName()), qUtf16Printable(section),
                  statusText(settings->status()));
    }
}
