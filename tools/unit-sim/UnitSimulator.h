#pragma once

#include "ConnectionSummary.h"
#include "SimulatorSettings.h"
#include "UnitFault.h"
#include "protocol/UnitProtocol.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <chrono>

class QTcpServer;
class QTcpSocket;
class UnitConnection;
struct ProductProfile;

// A stand-in for the control unit: a TCP server on a loopback address that takes display texts,
// a programming request and record lines, and answers each packet the way the unit does, or
// with the faults it is told to show. It serves one connection at a time and any number in a
// row; a connection that arrives while another is served waits its turn. Everything is driven
// by the event loop of the thread it lives in, so a test can run it next to the uploader.
class UnitSimulator : public QObject
{
    Q_OBJECT

public:
    // How the server side itself behaves, before any packet.
    enum class AcceptMode {
        Accept,      // a normal server
        NeverAccept, // a client's connect stays pending: the accept queue is kept full
        NoServer,    // nothing listens: a client's connect is refused (the port stays held)
    };

    explicit UnitSimulator(QObject *parent = nullptr);
    ~UnitSimulator() override;

    // The product whose programming request is acknowledged; the default is the profile of the
    // default application title.
    void setProfile(const ProductProfile *profile);
    const ProductProfile *profile() const { return m_settings.profile; }
    void setResponseDelay(std::chrono::milliseconds delay) { m_settings.responseDelay = delay; }
    void setResponseTail(const QByteArray &tail) { m_settings.responseTail = tail; }
    void setRandomTail(bool random) { m_settings.randomTail = random; }
    void setFragmentGap(std::chrono::milliseconds gap) { m_settings.fragmentGap = gap; }
    void addFault(const UnitFault &fault) { m_settings.faults.append(fault); }
    void clearFaults() { m_settings.faults.clear(); }
    QList<UnitFault> faults() const { return m_settings.faults; }
    // Settings apply to connections accepted after the change.
    const SimulatorSettings &settings() const { return m_settings; }
    void setAcceptMode(AcceptMode mode) { m_acceptMode = mode; }
    AcceptMode acceptMode() const { return m_acceptMode; }

    // Listens on 127.0.0.1; port 0 picks a free port (see serverPort()). Only loopback
    // addresses are accepted.
    bool listen(quint16 port = 0);
    bool listen(const QHostAddress &address, quint16 port);
    // Stops listening and ends the current connection.
    void close();
    bool isListening() const;
    quint16 serverPort() const { return m_port; }
    QHostAddress serverAddress() const { return m_address; }
    QString errorString() const { return m_error; }

    bool isConnected() const;
    // Connections accepted so far, the current one included.
    int connectionCount() const { return int(m_summaries.size()); }
    // Every record received, in order: over all connections, or of one (numbered from 1).
    QByteArrayList records() const;
    QByteArrayList records(int connection) const;
    // The texts the display shows: those of the current connection, or of the last one.
    QStringList displayTexts() const;
    // Every byte the current (or last) connection received, as it arrived.
    QByteArray connectionBytes() const;
    qint64 bytesReceived() const;
    // One per connection, the current one included.
    QList<ConnectionSummary> summaries() const;
    // Writes the records, one per line with CR LF, as a HEX file: all of them, or those of one
    // connection (numbered from 1).
    bool writeHex(const QString &path, int connection = 0) const;

    // A loopback port with nothing listening on it: a connect there is refused. The port stays
    // held for the life of the process, so no other server can take it meanwhile.
    static quint16 refusedPort();

Q_SIGNALS:
    void connectionStarted(int number);
    void displayChanged(const QStringList &texts);
    void requestReceived(const QByteArray &request, ResponseCode verdict);
    void recordReceived(const QByteArray &record, ResponseCode verdict);
    void responseWritten(const QByteArray &bytes);
    void connectionFinished(const ConnectionSummary &summary);

private:
    void takeNextConnection();
    void connectionEnded(const ConnectionSummary &summary);
    bool fillAcceptQueue();

    SimulatorSettings m_settings;
    AcceptMode m_acceptMode = AcceptMode::Accept;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_filler = nullptr;
    // Holds the port of NoServer mode.
    QTcpSocket *m_refuser = nullptr;
    QPointer<UnitConnection> m_current;
    QHostAddress m_address{QHostAddress::LocalHost};
    quint16 m_port = 0;
    QString m_error;
    QList<ConnectionSummary> m_summaries;
    QList<QByteArrayList> m_records;
    QByteArray m_lastBytes;
    qint64 m_bytesBefore = 0; // received on connections that have ended
};
