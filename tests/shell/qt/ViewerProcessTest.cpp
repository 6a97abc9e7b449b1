// The real viewer in separate processes: a second copy ends at once while the
// first runs, and a killed copy leaves no stale lock behind.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "support/TempDir.h"

namespace {

QProcessEnvironment ViewerEnvironment(const std::string& runtime) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
  return env;
}

bool WaitForLock(const std::string& runtime, int ms) {
  // The lock file appears once the first copy holds it.
  for (int waited = 0; waited < ms; waited += 50) {
    if (QFile::exists(QString::fromStdString(runtime + "/ЖУМ.lock"))) return true;
    QThread::msleep(50);
  }
  return false;
}

TEST(ViewerProcess, SecondCopyEndsAtOnceAndNoStaleLock) {
  remont::test::TempDir runtime;
  QProcess first;
  first.setProcessEnvironment(ViewerEnvironment(runtime.path()));
  first.start(REMONT_VIEWER_PATH, {});
  ASSERT_TRUE(first.waitForStarted(5000));
  ASSERT_TRUE(WaitForLock(runtime.path(), 5000));
  QThread::msleep(300);

  QProcess second;
  second.setProcessEnvironment(ViewerEnvironment(runtime.path()));
  second.start(REMONT_VIEWER_PATH, {});
  ASSERT_TRUE(second.waitForFinished(5000)) << "the second copy kept running";
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running) << "the first copy was disturbed";

  first.kill();  // a crash: no chance to clean up
  first.waitForFinished(5000);

  QProcess third;
  third.setProcessEnvironment(ViewerEnvironment(runtime.path()));
  third.start(REMONT_VIEWER_PATH, {});
  ASSERT_TRUE(third.waitForStarted(5000));
  EXPECT_FALSE(third.waitForFinished(1500)) << "the third copy saw a stale lock";
  third.kill();
  third.waitForFinished(5000);
}

}  // namespace
