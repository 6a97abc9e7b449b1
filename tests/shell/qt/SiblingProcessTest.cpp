// The sibling link between real processes over the real socket: the demo
// viewer offscreen, remont-tool as the diagram program (send-page and the
// listening sibling) and raw clients for what a careless program may send.
#include <signal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "common/Cp1251.h"
#include "common/SiblingLink.h"
#include "support/TempDir.h"

namespace remont {
namespace {

class SiblingProcess : public ::testing::Test {
 protected:
  void TearDown() override {
    if (viewer.state() != QProcess::NotRunning) {
      viewer.kill();
      viewer.waitForFinished(5000);
    }
  }
  QProcessEnvironment Environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path()));
    return env;
  }
  QString Socket() const { return QString::fromStdString(runtime.path() + "/remont-viewer.sock"); }
  // The demo viewer, once it takes requests.
  void StartViewer() {
    viewer.setProcessEnvironment(Environment());
    viewer.setWorkingDirectory(QDir::tempPath());
    viewer.start(REMONT_VIEWER_PATH, {});
    ASSERT_TRUE(viewer.waitForStarted(5000));
    for (int waited = 0; waited < 10000; waited += 50) {
      QLocalSocket probe;
      probe.connectToServer(Socket());
      if (probe.waitForConnected(100)) return;
      QThread::msleep(50);
    }
    FAIL() << "the viewer does not listen";
  }
  struct Run {
    int code = -1;
    std::string out;
    qint64 ms = 0;
  };
  Run Tool(const QStringList& args) {
    QProcess tool;
    tool.setProcessEnvironment(Environment());
    QElapsedTimer timer;
    timer.start();
    tool.start(REMONT_TOOL_PATH, args);
    tool.waitForFinished(20000);
    return {tool.exitCode(), tool.readAllStandardOutput().toStdString(), timer.elapsed()};
  }
  // What the viewer wrote to its error stream so far (the error boxes' texts).
  std::string ViewerErrors() {
    errors += viewer.readAllStandardError().toStdString();
    return errors;
  }
  bool WaitForError(const std::string& text) {
    for (int waited = 0; waited < 5000; waited += 50) {
      viewer.waitForReadyRead(50);
      if (ViewerErrors().find(text) != std::string::npos) return true;
    }
    return false;
  }
  // A raw client: sends bytes, then reads what comes back until the viewer
  // closes the connection (or the wait ends).
  QByteArray Raw(const QByteArray& bytes, bool* closed = nullptr, int wait_ms = 3000) {
    QLocalSocket socket;
    socket.connectToServer(Socket());
    EXPECT_TRUE(socket.waitForConnected(2000));
    socket.write(bytes);
    socket.waitForBytesWritten(2000);
    QByteArray back;
    QElapsedTimer timer;
    timer.start();
    while (socket.state() == QLocalSocket::ConnectedState && timer.elapsed() < wait_ms) {
      socket.waitForReadyRead(50);
      back += socket.readAll();
    }
    back += socket.readAll();
    if (closed) *closed = socket.state() != QLocalSocket::ConnectedState;
    return back;
  }

  test::TempDir runtime, config;
  QProcess viewer;
  std::string errors;
};

TEST_F(SiblingProcess, PagesAreShownAndAnsweredAlsoWhileAnErrorBoxIsOpen) {
  StartViewer();
  Run r = Tool({"send-page", "pages/brakes/pads_front.htm"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "1690\n");

  // A missing page: its error box, and no reply (the sender is let go at once).
  r = Tool({"send-page", "pages/brakes/nothing.htm"});
  EXPECT_EQ(r.code, 1);
  EXPECT_LT(r.ms, 5000);
  EXPECT_TRUE(WaitForError("Не найден файл: pages/brakes/nothing.htm"));

  // The box is modal and still open: requests are handled inside it.
  r = Tool({"send-page", "pages/brakes/bleeding.htm"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(viewer.state(), QProcess::Running);
}

TEST_F(SiblingProcess, OtherKindsLongPathsGarbageAndHalfBlocksNeitherStallNorCrash) {
  StartViewer();
  bool closed = false;
  // Kind 2: nothing, no reply.
  EXPECT_TRUE(Raw(QByteArray::fromStdString(EncodeSiblingRequest(2, "pages/intro.htm")), &closed).isEmpty());
  EXPECT_TRUE(closed);

  // 274 bytes without a zero byte: a 274-character path.
  const std::string long_path = "pages/" + std::string(268, 'x');
  EXPECT_TRUE(Raw(QByteArray::fromStdString(EncodeSiblingRequest(0, long_path))).isEmpty());
  EXPECT_TRUE(WaitForError("Не найден файл: " + long_path + "\n"));

  // Two blocks at once: the first is the request, the rest is not read.
  const std::string two = EncodeSiblingRequest(0, "pages/intro.htm") + EncodeSiblingRequest(0, "pages/intro.htm");
  EXPECT_EQ(Raw(QByteArray::fromStdString(two)), QByteArray::fromStdString(SiblingPageReply()));

  // Half a block and gone; a client that says nothing and stays.
  {
    QLocalSocket half;
    half.connectToServer(Socket());
    ASSERT_TRUE(half.waitForConnected(2000));
    half.write(QByteArray(100, 'g'));
    half.waitForBytesWritten(1000);
  }
  QLocalSocket silent;
  silent.connectToServer(Socket());
  ASSERT_TRUE(silent.waitForConnected(2000));
  // Meanwhile the viewer answers others.
  const Run r = Tool({"send-page", "pages/intro.htm"});
  EXPECT_EQ(r.code, 0);
  // The silent one is let go after the time limit.
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(silent.state() == QLocalSocket::UnconnectedState || silent.waitForDisconnected(8000));
  EXPECT_LT(timer.elapsed(), 8000);
  EXPECT_EQ(viewer.state(), QProcess::Running);
}

TEST_F(SiblingProcess, ClosingTheViewerClosesAListeningSiblingAndIsCleanWithoutOne) {
  QProcess sibling;
  sibling.setProcessEnvironment(Environment());
  sibling.start(REMONT_TOOL_PATH, {"sibling"});
  ASSERT_TRUE(sibling.waitForStarted(5000));
  ASSERT_TRUE(sibling.waitForReadyRead(5000));  // "listening on …"
  StartViewer();
  ::kill(static_cast<pid_t>(viewer.processId()), SIGTERM);
  ASSERT_TRUE(sibling.waitForFinished(10000)) << "the sibling got no close request";
  EXPECT_EQ(sibling.exitCode(), 0);
  EXPECT_NE(sibling.readAllStandardOutput().toStdString().find("\nclose\n"), std::string::npos);
  ASSERT_TRUE(viewer.waitForFinished(10000));
  EXPECT_EQ(viewer.exitCode(), 0);

  // No sibling at all: the viewer still ends at once and cleanly.
  StartViewer();
  QElapsedTimer timer;
  timer.start();
  ::kill(static_cast<pid_t>(viewer.processId()), SIGTERM);
  ASSERT_TRUE(viewer.waitForFinished(10000));
  EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(viewer.exitCode(), 0);
  EXPECT_LT(timer.elapsed(), 3000);
}

TEST_F(SiblingProcess, NoViewerMeansFailureAtOnce) {
  const Run r = Tool({"send-page", "pages/intro.htm"});
  EXPECT_EQ(r.code, 1);
  EXPECT_LT(r.ms, 3000);
  EXPECT_EQ(Tool({"print-picture", "pages/img/battery.png"}).code, 1);
}

}  // namespace
}  // namespace remont
