#include "integration/free_port.h"
#include "qt_client_socket.h"
#include "qt_ident_socket.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;

using Events = std::vector<std::string>;

// The real sockets against a local peer: bytes, events and their order. The
// test receives the events of either socket and records them as short texts.
class SocketsTest : public QObject, public vz::ClientSocketEvents, public vz::IdentSocketEvents {
    Q_OBJECT

    QTcpServer server;
    QTcpSocket* peer = nullptr;
    vz::QtClientSocket client;
    vz::QtIdentSocket ident;
    QTcpSocket requester;
    int port = 0;
    Events events;
    std::string data;
    std::size_t largestRead = 0;
    // Answer every read with four times its bytes; connect again on an error.
    bool answerData = false, retryOnError = false;

    void connectClient() {
        client.connectTo("127.0.0.1", server.serverPort());
        QTRY_VERIFY(server.hasPendingConnections());
        peer = server.nextPendingConnection();
        QTRY_COMPARE(events, Events{"connected"});
    }

    void listenAndConnect() {
        port = vz::it::freeLoopbackPort();
        ident.listen(port);
        requester.connectToHost(QHostAddress::LocalHost, port);
        QTRY_COMPARE(events, Events{"request"});
    }

public:
    void onConnected() override { events.push_back("connected"); }
    void onDataArrived(const std::string& bytes) override {
        data += bytes;
        largestRead = std::max(largestRead, bytes.size());
        if (answerData)
            client.send(std::string(4 * bytes.size(), 'a'));
    }
    // An error without a text to show is marked as such.
    void onError(int number, const std::string& description) override {
        events.push_back("error " + std::to_string(number) +
                         (description.empty() ? " untold" : ""));
        if (std::exchange(retryOnError, false))
            client.connectTo("127.0.0.1", server.serverPort());
    }
    void onClosedByServer() override { events.push_back("closed"); }
    void onCertificateRejected(const std::string& reason, const std::string&) override {
        events.push_back("certificate " + reason);
    }
    void onConnectionRequest() override {
        events.push_back("request");
        ident.accept();
    }

private slots:
    void init() {
        events.clear();
        data.clear();
        largestRead = 0;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        client.setEvents(this);
        ident.setEvents(this);
    }

    void cleanup() {
        answerData = false;
        client.close();
        ident.close();
        requester.abort();
        server.close();
        delete peer;
        peer = nullptr;
    }

    // A flood reaches the logic in bounded pieces, its unfinished last line
    // included, before the one close.
    void bytesTravelUnchangedAndTheServerClosesOnceAfterTheLast() {
        connectClient();
        const std::string sent = "NICK \xD0\x86\xFF\x01\r\n\0end"s;
        client.send(sent);
        QTRY_COMPARE(peer->bytesAvailable(), qint64(sent.size()));
        QCOMPARE(peer->readAll(), QByteArray::fromStdString(sent));
        QCOMPARE(client.localAddress(), std::string("127.0.0.1"));
        std::string flood;
        for (int line = 0; flood.size() < 1000000; ++line)
            flood += ":a!b@c PRIVMSG #x :line " + std::to_string(line) + "\r\n";
        flood += "PING :x\r\n\xE9\0\x03"s;
        peer->write(QByteArray::fromStdString(flood));
        peer->disconnectFromHost();
        QTRY_COMPARE(events, (Events{"connected", "closed"}));
        QTest::qWait(50); // lets late events show up
        QCOMPARE(events, (Events{"connected", "closed"}));
        QVERIFY(data == flood);
        QVERIFY(largestRead <= 64 * 1024);
    }

    // A server that leaves the answers unread gets no more of its bytes read,
    // so the answers cannot pile up; once it reads, the rest arrives.
    void aServerThatReadsNothingIsReadNoFurther() {
        connectClient();
        peer->setReadBufferSize(64 * 1024);
        answerData = true;
        const std::string flood(4 << 20, 'p');
        peer->write(QByteArray::fromStdString(flood));
        QTest::qWait(500);
        QVERIFY(data.size() < flood.size());
        peer->setReadBufferSize(0);
        QTRY_VERIFY_WITH_TIMEOUT((peer->readAll(), data.size() == flood.size()), 20000);
        QVERIFY(data == flood);
    }

    void noEventAfterCloseOrWithoutReceiver_data() {
        QTest::addColumn<bool>("closed");
        QTest::newRow("closed") << true;
        QTest::newRow("no receiver") << false;
    }
    void noEventAfterCloseOrWithoutReceiver() {
        QFETCH(bool, closed);
        connectClient();
        closed ? client.close() : client.setEvents(nullptr);
        peer->write("unread\n");
        peer->disconnectFromHost();
        QTest::qWait(50); // lets late events show up
        QCOMPARE(events, Events{"connected"});
        QVERIFY(data.empty());
        if (closed)
            QCOMPARE(client.localAddress(), std::string());
    }

    void retryFromInsideTheRefusalConnects() {
        retryOnError = true;
        client.connectTo("127.0.0.1", vz::it::freeLoopbackPort());
        const std::string refused =
            "error " + std::to_string(QAbstractSocket::ConnectionRefusedError);
        QTRY_COMPARE(events, (Events{refused, "connected"}));
    }

    void acceptedRequesterIsServedAloneAndMayHangUp() {
        listenAndConnect();
        QCOMPARE(ident.localPort(), port);
        QTRY_COMPARE(ident.remotePort(), int(requester.localPort()));
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, port);
        QTRY_COMPARE(second.error(), QAbstractSocket::ConnectionRefusedError);
        requester.write("6191, 6667\r\n");
        QTRY_COMPARE(data, std::string("6191, 6667\r\n"));
        requester.disconnectFromHost();
        QTest::qWait(50); // lets late events show up
        QCOMPARE(events, Events{"request"});
    }

    void replySentJustBeforeCloseStillArrives() {
        listenAndConnect();
        ident.send("6191, 6667 : USERID : UNIX : VuviVAZ\r\n");
        ident.close();
        QTRY_VERIFY(requester.canReadLine());
        QCOMPARE(requester.readLine(), QByteArray("6191, 6667 : USERID : UNIX : VuviVAZ\r\n"));
    }

    void refusedBindIsReportedLaterUnlessClosed_data() {
        QTest::addColumn<bool>("closed");
        QTest::newRow("open") << false;
        QTest::newRow("closed") << true;
    }
    void refusedBindIsReportedLaterUnlessClosed() {
        QFETCH(bool, closed);
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any, 0));
        ident.listen(occupant.serverPort());
        QVERIFY(events.empty());
        if (closed)
            ident.close();
        const Events expected{"error " + std::to_string(QAbstractSocket::AddressInUseError)};
        QTest::qWait(50); // lets late events show up
        QCOMPARE(events, closed ? Events{} : expected);
    }
};

QTEST_MAIN(SocketsTest)
#include "sockets_test.moc"
