#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The TCP client socket that talks to the unit, in the terms the uploader was designed around:
// state numbers 0-9 and Windows Sockets error numbers. The events are always delivered from the
// event loop, never from inside a call on the socket, so a handler that pauses still sees later
// arrivals and a send never runs an error handler behind the caller's back.
class UnitSocket : public QObject
{
    Q_OBJECT

public:
    enum State {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        PeerClosing = 8,
        Error = 9,
    };

    // Windows Sockets numbering; the hints of the error report key on ConnectionRefused.
    enum ErrorNumber {
        ConnectionReset = 10054,
        TimedOut = 10060,
        ConnectionRefused = 10061,
        HostUnreachable = 10065,
        HostNotFound = 11001,
        OtherError = 10000,
    };

    using QObject::QObject;

    virtual void setRemotePort(int port) = 0;
    virtual int remotePort() const = 0;
    // False when the text cannot name a host (empty, or dotted numbers that are no IPv4 address);
    // the remote host is then left as it was.
    virtual bool setRemoteHost(const QString &host) = 0;
    virtual QString remoteHost() const = 0;

    // Starts connecting and returns at once; the state changes later.
    virtual void connectToUnit() = 0;
    // Harmless in every state; after it the state is Closed.
    virtual void close() = 0;
    virtual int state() const = 0;

    // One call puts the bytes on the wire as one write, at once; nothing is added.
    virtual void send(const QByteArray &bytes) = 0;
    virtual QByteArray receiveAll() = 0;
    // What receiveAll would return, added to the end of the buffer; a socket that keeps its own
    // buffer can hand the bytes over without a new allocation at every answer.
    virtual void appendReceivedTo(QByteArray &buffer) { buffer.append(receiveAll()); }

    // The numeric address of the connected unit; empty when not connected.
    virtual QString peerAddress() const { return {}; }

    // Whether the text can be handed to setRemoteHost: four dotted decimal numbers from 0 to
    // 255 (without leading zeros, which other tools read as octal), or a host name.
    static bool isAcceptableHost(const QString &host);
    // Why the text is no address, as the end of a sentence that shows how to write it; empty
    // when it is acceptable.
    static QString hostProblem(const QString &host);

Q_SIGNALS:
    void dataArrival(int bytesTotal);
    void error(int number, const QString &description);
    // The unit closed its end; the state is PeerClosing until close().
    void peerClosed();
};
