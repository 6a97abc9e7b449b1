// The viewer's end of the sibling link: a per-user local socket on which a
// request block is gathered per connection (whole blocks only, within a time
// limit) and handed to the main window.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "common/SiblingLink.h"

class QLocalServer;
class QLocalSocket;

namespace remont {

class TSiblingConnection;

class TSiblingServer : public QObject {
  Q_OBJECT

 public:
  // The handler gets the request and its connection, which stays open until
  // the handler returns (the reply and notices go on it) and is closed then.
  using Handler = std::function<void(const RSiblingRequest& request, TSiblingConnection& connection)>;

  explicit TSiblingServer(QObject* parent = nullptr);
  ~TSiblingServer() override;
  // Listens on path (replacing a socket left by a viewer that crashed); false
  // when that is not possible.
  bool Listen(const std::string& path);
  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  // How long a client has to deliver its block.
  void SetTimeLimit(int ms) { time_limit_ms_ = ms; }
  bool Listening() const;

 private:
  void Accept();

  QLocalServer* server_ = nullptr;
  Handler handler_;
  int time_limit_ms_ = 5000;
};

// One client: its bytes until the block is whole, then the handler's replies.
class TSiblingConnection : public QObject {
  Q_OBJECT

 public:
  TSiblingConnection(QLocalSocket* socket, int time_limit_ms, const TSiblingServer::Handler& handler,
                     QObject* parent);
  // Writes bytes to the sender, if it is still there.
  void Send(std::string_view bytes);
  // Ends the connection now (the handler may close it before it returns).
  void Close();

 private:
  void Read();

  QLocalSocket* socket_;
  const TSiblingServer::Handler& handler_;
  std::string block_;
  bool handled_ = false;
  bool closed_ = false;
};

}  // namespace remont
