#include "app/connection.h"

#include "app/frm_main.h"

namespace vz {

Connection::Connection(frmMain& main) : main_(main) {}

void Connection::ConnectToIRC(std::string&, int&) {}
void Connection::ConnectTo() {}
void Connection::DisconnectToIRC() {}
void Connection::SendData(const std::string& strData) {
    main_.platform().serverSocket.send(strData + "\n");
}
void Connection::onConnected() {}
void Connection::onDataArrived(const std::string&) {}
void Connection::onError(int, const std::string&) {}
void Connection::onClosedByServer() {}

} // namespace vz
