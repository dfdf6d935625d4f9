#include "ProductionLock.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <sodium.h>

namespace {

const QString kApplication = QStringLiteral("Station");
const QString kSection = QStringLiteral("Lock");
const QString kHash = QStringLiteral("SupervisorPasswordHash");
const QString kLocked = QStringLiteral("Locked");

bool verify(const QByteArray &hash, const QByteArray &password)
{
    return sodium_init() >= 0 && !hash.isEmpty() &&
           crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                    quint64(password.size())) == 0;
}

} // namespace

ProductionLock::ProductionLock(SettingsStore &store, QObject *parent)
    : QObject(parent), m_store(store)
{
    const QStringList values = m_store.read(
        kApplication, kSection, {{kHash, QString()}, {kLocked, QStringLiteral("false")}});
    m_hash = values.at(0);
    // Without a password nobody could unlock it again.
    m_locked = values.at(1) == QLatin1String("true") && hasPassword();
}

std::optional<QString> ProductionLock::setPassword(const QString &password)
{
    if (m_locked)
        return tr("The station is locked: unlock it first.");
    if (password.size() < kMinPasswordLength)
        return tr("The password needs at least %n characters.", "", kMinPasswordLength);
    const QByteArray utf8 = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (sodium_init() < 0 || crypto_pwhash_str(hash, utf8.constData(), quint64(utf8.size()),
                                               crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                               crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return tr("The password could not be hashed (out of memory).");
    m_hash = QString::fromLatin1(hash);
    save();
    return std::nullopt;
}

std::optional<QString> ProductionLock::lock()
{
    if (!hasPassword())
        return tr("Set a supervisor password first (File > Supervisor password...): without one "
                  "nobody could unlock the station.");
    if (!m_locked) {
        m_locked = true;
        save();
        Q_EMIT lockedChanged(true);
    }
    return std::nullopt;
}

void ProductionLock::tryUnlock(const QString &password, std::function<void(bool)> done)
{
    if (!m_locked || m_checking)
        return;
    m_checking = true;
    const QByteArray hash = m_hash.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    QPointer<ProductionLock> self(this);
    QThread *thread = QThread::create([self, hash, utf8, done] {
        const bool right = verify(hash, utf8);
        QMetaObject::invokeMethod(
            qApp,
            [self, right, done] {
                if (!self)
                    return;
                const auto finish = [self, right, done] {
                    if (!self)
                        return;
                    self->m_checking = false;
                    if (right) {
                        self->m_locked = false;
                        self->save();
                        Q_EMIT self->lockedChanged(false);
                    } else {
                        Q_EMIT self->refused();
                    }
                    if (done)
                        done(right);
                };
                if (right)
                    finish();
                else
                    QTimer::singleShot(self->m_refusalDelayMs, self, finish);
            },
            Qt::QueuedConnection);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

// The hash is as good as a password to anyone who can try passwords against it offline: the file
// that holds it is for its owner alone.
void ProductionLock::save()
{
    m_store.write(
        kApplication, kSection,
        {{kHash, m_hash}, {kLocked, m_locked ? QStringLiteral("true") : QStringLiteral("false")}});
    const QString file = m_store.fileName(kApplication);
    if (!file.isEmpty() && QFile::exists(file))
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}
