#include "shell/qt/SiblingServer.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace remont {

TSiblingServer::TSiblingServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &TSiblingServer::Accept);
}

TSiblingServer::~TSiblingServer() {
  const QString path = server_->fullServerName();
  server_->close();
  if (!path.isEmpty()) QFile::remove(path);
}

bool TSiblingServer::Listen(const std::string& path) {
  if (path.empty()) return false;
  // One viewer per user holds the lock, so a socket already there is stale.
  QLocalServer::removeServer(QString::fromStdString(path));
  return server_->listen(QString::fromStdString(path));
}

bool TSiblingServer::Listening() const { return server_->isListening(); }

void TSiblingServer::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) new TSiblingConnection(socket, time_limit_ms_, handler_, this);
}

TSiblingConnection::TSiblingConnection(QLocalSocket* socket, int time_limit_ms, const TSiblingServer::Handler& handler,
                                       QObject* parent)
    : QObject(parent), socket_(socket), handler_(handler) {
  socket_->setParent(this);
  connect(socket_, &QLocalSocket::readyRead, this, &TSiblingConnection::Read);
  connect(socket_, &QLocalSocket::disconnected, this, [this] {
    // A client gone before its block was whole; a handled one goes when its handler returns.
    if (!handled_) Close();
  });
  // A client that sends nothing, or stops halfway, is let go.
  QTimer::singleShot(time_limit_ms, this, [this] {
    if (!handled_) Close();
  });
  Read();
}

void TSiblingConnection::Read() {
  if (handled_ || closed_) return;
  const QByteArray bytes = socket_->read(static_cast<qint64>(kSiblingBlockSize - block_.size()));
  block_.append(bytes.constData(), static_cast<size_t>(bytes.size()));
  if (block_.size() < kSiblingBlockSize) return;
  // One request per connection: anything after the block is not read.
  handled_ = true;
  const RSiblingRequest request = DecodeSiblingRequest(block_);
  QPointer<TSiblingConnection> alive(this);
  if (handler_) handler_(request, *this);
  if (alive) Close();
}

void TSiblingConnection::Send(std::string_view bytes) {
  if (closed_ || socket_->state() != QLocalSocket::ConnectedState) return;
  socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  socket_->flush();
}

void TSiblingConnection::Close() {
  if (closed_) return;
  closed_ = true;
  socket_->disconnectFromServer();  // after what is written has gone
  deleteLater();
}

}  // namespace remont
