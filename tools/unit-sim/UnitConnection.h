#pragma once

#include "ConnectionSummary.h"
#include "SimulatorSettings.h"
#include "UnitStreamParser.h"
#include "protocol/UnitProtocol.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <deque>

class QTcpSocket;

// One connection to the simulated unit: frames what the uploader sends, answers it (with the
// faults the settings ask for) and keeps what arrived. Event-driven; it never blocks.
class UnitConnection : public QObject
{
    Q_OBJECT

public:
    UnitConnection(QTcpSocket *socket, int number, const SimulatorSettings &settings,
                   QObject *parent = nullptr);
    ~UnitConnection() override;

    const ConnectionSummary &summary() const { return m_summary; }
    const QByteArrayList &records() const { return m_records; }
    const QByteArray &receivedBytes() const { return m_received; }
    bool isFinished() const { return m_summary.end != ConnectionSummary::End::Open; }

    // Begins reading; call once the signals are connected.
    void start();
    // Ends the connection from the unit's side; reports it as stopped.
    void stop();

    // The unit's verdict on a programming request: its checksum, then its family and product.
    static ResponseCode requestVerdict(const QByteArray &request, const ProductProfile *profile);

Q_SIGNALS:
    void displayChanged(const QStringList &texts);
    void requestReceived(const QByteArray &request, ResponseCode verdict);
    void recordReceived(const QByteArray &record, ResponseCode verdict);
    void responseWritten(const QByteArray &bytes);
    void finished(const ConnectionSummary &summary);

private:
    struct Step
    {
        enum class Action { Write, Close, Reset };
        Action action = Action::Write;
        QByteArray bytes;
        std::chrono::milliseconds delay{0};
    };

    void readPending();
    void handle(const UnitStreamParser::Packet &packet);
    void answer(int packetIndex, bool isEndRecord, ResponseCode verdict);
    void queueWrites(const QByteArray &segment, int copies, int fragmentSize,
                     std::chrono::milliseconds lateBy = std::chrono::milliseconds(0));
    void writeCopyLater(const QByteArray &segment, std::chrono::milliseconds delay);
    QByteArray response(quint8 code) const;
    void runSteps();
    void resetConnection();
    void finish(ConnectionSummary::End end);

    QTcpSocket *m_socket = nullptr;
    SimulatorSettings m_settings;
    UnitStreamParser m_parser;
    ConnectionSummary m_summary;
    QByteArrayList m_records;
    QByteArray m_received;
    int m_nextPacket = 0;
    bool m_programming = false;
    bool m_silent = false;
    std::deque<Step> m_steps;
    QTimer m_stepTimer;
    // What a babbling unit keeps sending instead of answering.
    QTimer m_babbleTimer;
    QByteArray m_babble;
};
