#include "qt_client_socket.h"
#include "qt_ident_socket.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <string>
#include <vector>

namespace {

// Records the events of either socket as short texts.
class Recorder : public vz::ClientSocketEvents, public vz::IdentSocketEvents {
public:
    void onConnected() override { events.push_back("connected"); }
    void onDataArrived(const std::string& bytes) override { data += bytes; }
    void onError(int number, const std::string& description) override {
        events.push_back("error " + std::to_string(number));
        errorText = description;
    }
    void onClosedByServer() override { events.push_back("closed"); }
    void onConnectionRequest() override {
        events.push_back("request");
        if (acceptOnRequest != nullptr)
            acceptOnRequest->accept();
    }

    std::vector<std::string> events;
    std::string data;
    std::string errorText;
    vz::IdentSocket* acceptOnRequest = nullptr;
};

// A port on the loopback interface that nothing listens on right now.
quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QByteArray bytesOf(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Lets pending events run for a while, so that late events would show up.
void settle() {
    QTest::qWait(50);
}

} // namespace

class SocketsTest : public QObject {
    Q_OBJECT

private:
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    vz::QtClientSocket client;
    vz::QtIdentSocket ident;
    QTcpSocket requester;
    quint16 port = 0;
    Recorder recorder;

    void connectClient() {
        client.connectTo("127.0.0.1", server.serverPort());
        QTRY_VERIFY(server.hasPendingConnections());
        peer = server.nextPendingConnection();
        QTRY_COMPARE(recorder.events, std::vector<std::string>{"connected"});
    }

    void listenAndConnect() {
        port = freePort();
        ident.listen(port);
        requester.connectToHost(QHostAddress::LocalHost, port);
        QTRY_VERIFY(!recorder.events.empty());
        QCOMPARE(recorder.events, std::vector<std::string>{"request"});
    }

private slots:
    void init() {
        recorder = Recorder();
        recorder.acceptOnRequest = &ident;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        client.setEvents(&recorder);
        ident.setEvents(&recorder);
    }

    void cleanup() {
        client.close();
        ident.close();
        requester.abort();
        server.close();
        delete peer;
        peer = nullptr;
    }

    void bytesTravelUnchangedBothWays() {
        connectClient();
        const char sentBytes[] = "NICK \xD0\x86\xFF\x01\r\n\0end";
        const std::string sent(sentBytes, sizeof sentBytes - 1);
        client.send(sent);
        QTRY_COMPARE(peer->bytesAvailable(), qint64(sent.size()));
        QCOMPARE(peer->readAll(), bytesOf(sent));
        const char receivedBytes[] = "PING :x\r\n\xE9\0\x03";
        const std::string received(receivedBytes, sizeof receivedBytes - 1);
        peer->write(bytesOf(received));
        QTRY_COMPARE(recorder.data, received);
        QCOMPARE(client.localAddress(), std::string("127.0.0.1"));
    }

    void closeByServerIsOneCloseAfterTheLastBytes() {
        connectClient();
        peer->write("last line\n");
        peer->disconnectFromHost();
        QTRY_COMPARE(recorder.events, (std::vector<std::string>{"connected", "closed"}));
        settle();
        QCOMPARE(recorder.events, (std::vector<std::string>{"connected", "closed"}));
        QCOMPARE(recorder.data, std::string("last line\n"));
    }

    void refusedPortIsAnError() {
        client.connectTo("127.0.0.1", freePort());
        QTRY_COMPARE(recorder.events.size(), std::size_t(1));
        QCOMPARE(recorder.events[0],
                 "error " + std::to_string(QAbstractSocket::ConnectionRefusedError));
        QVERIFY(!recorder.errorText.empty());
    }

    void closeReportsNothingMore() {
        connectClient();
        peer->write("unread\n");
        peer->flush();
        client.close();
        peer->disconnectFromHost();
        settle();
        QCOMPARE(recorder.events, std::vector<std::string>{"connected"});
        QVERIFY(recorder.data.empty());
        client.send("after close\n");
        QCOMPARE(client.localAddress(), std::string());
    }

    void noEventsWithoutReceiver() {
        connectClient();
        client.setEvents(nullptr);
        peer->write("data\n");
        peer->disconnectFromHost();
        settle();
        QCOMPARE(recorder.events, std::vector<std::string>{"connected"});
        QVERIFY(recorder.data.empty());
    }

    void reconnectFromInsideAnErrorEvent() {
        // The logic retries from inside the error event; the new attempt
        // must not be disturbed by the old socket finishing its work.
        struct Retry : Recorder {
            vz::QtClientSocket* socket = nullptr;
            quint16 port = 0;
            void onError(int number, const std::string& text) override {
                Recorder::onError(number, text);
                socket->connectTo("127.0.0.1", port);
            }
        } retry;
        retry.socket = &client;
        retry.port = server.serverPort();
        client.setEvents(&retry);
        client.connectTo("127.0.0.1", freePort());
        QTRY_VERIFY(retry.events.size() == 2);
        QCOMPARE(retry.events[1], std::string("connected"));
        client.setEvents(&recorder);
    }

    void acceptedRequesterIsServed() {
        listenAndConnect();
        QCOMPARE(ident.localPort(), int(port));
        QTRY_COMPARE(ident.remotePort(), int(requester.localPort()));
        ident.send("1, 2 : USERID : UNIX : nick\r\n");
        QTRY_VERIFY(requester.canReadLine());
        QCOMPARE(requester.readLine(), QByteArray("1, 2 : USERID : UNIX : nick\r\n"));
        requester.write("6191, 6667\r\n");
        QTRY_COMPARE(recorder.data, std::string("6191, 6667\r\n"));
    }

    void replySentJustBeforeCloseStillArrives() {
        listenAndConnect();
        ident.send("6191, 6667 : USERID : UNIX : VuviVAZ\r\n");
        ident.close();
        QTRY_VERIFY(requester.canReadLine());
        QCOMPARE(requester.readLine(), QByteArray("6191, 6667 : USERID : UNIX : VuviVAZ\r\n"));
    }

    void acceptStopsListening() {
        listenAndConnect();
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, port);
        QTRY_COMPARE(second.error(), QAbstractSocket::ConnectionRefusedError);
        QCOMPARE(recorder.events, std::vector<std::string>{"request"});
    }

    void requesterHangingUpIsNoError() {
        listenAndConnect();
        requester.disconnectFromHost();
        settle();
        QCOMPARE(recorder.events, std::vector<std::string>{"request"});
    }

    void refusedBindIsReportedLater() {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any, 0));
        ident.listen(occupant.serverPort());
        QVERIFY(recorder.events.empty());
        QTRY_COMPARE(recorder.events,
                     std::vector<std::string>{"error " +
                                              std::to_string(QAbstractSocket::AddressInUseError)});
        QVERIFY(!recorder.errorText.empty());
    }

    void closeDropsAPendingBindError() {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any, 0));
        ident.listen(occupant.serverPort());
        ident.close();
        settle();
        QVERIFY(recorder.events.empty());
    }
};

QTEST_MAIN(SocketsTest)

#include "sockets_test.moc"
