// The real viewer, run more than once on one settings folder: the favourites
// (in order) and the window position of one run are found by the next, also
// when the first run was killed after adding a favourite.
#include <signal.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QThread>
#include <functional>

#include "common/Cp1251.h"
#include "support/TempDir.h"

namespace remont {
namespace {

const char kShowStart[] = "[show]\ntype=form\nreg_dat=Software\\RemontTest\naction=%1\n"
                          "[fav]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n"
                          "[tree]\ntype=tree\nload=contents.txt\naction=html_load*h*insert\n"
                          "[h]\ntype=html\n";

// A program folder with a copy of the viewer and a small manual of loose
// files, and a settings folder of its own.
class SavedStateProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString viewer = QString::fromStdString(program.Sub("remont"));
    ASSERT_TRUE(QFile::copy(REMONT_VIEWER_PATH, viewer));
    QFile(viewer).setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    program.Write("contents.txt", Utf8ToCp1251("Двигатель;a.htm\nТормоза;b.htm\nКузов;c.htm\nСвет;d.htm\n"));
    for (const char* p : {"a", "b", "c", "d"}) program.Write(std::string(p) + ".htm", "<html><body>page</body></html>");
    program.Write("struct_search.txt", "[search]\ntype=form\n[list_rez]\ntype=list_box\n");
  }

  // The main page at a position; the show page's start command adds favourites.
  void Describe(int left, int top, int width, int height, const std::string& start) {
    program.Write("struct_main.txt", "[main]\ntype=form\nreg_dat=Software\\RemontTest\nsave_pos=1\nleft=" +
                                         std::to_string(left) + "\ntop=" + std::to_string(top) + "\nwidth=" +
                                         std::to_string(width) + "\nheight=" + std::to_string(height) + "\n");
    program.Write("struct_show.txt", QString(kShowStart).arg(QString::fromStdString(start)).toStdString());
  }

  void Start(QProcess& viewer) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path()));
    viewer.setProcessEnvironment(env);
    viewer.setWorkingDirectory(QDir::tempPath());
    viewer.start(QString::fromStdString(program.Sub("remont")), {});
    ASSERT_TRUE(viewer.waitForStarted(5000));
  }

  QString Setting(const char* name) {
    QSettings store(QString::fromStdString(config.path() + "/Remont/Remont.ini"), QSettings::IniFormat);
    return store.value(QString("Software/RemontTest/") + name).toString();
  }

  bool WaitFor(const std::function<bool()>& ready) {
    for (int waited = 0; waited < 10000; waited += 50) {
      if (ready()) return true;
      QThread::msleep(50);
    }
    return false;
  }

  // Asks the viewer to end as the desktop does at logout; it saves and ends.
  void Terminate(QProcess& viewer) {
    kill(static_cast<pid_t>(viewer.processId()), SIGTERM);
    ASSERT_TRUE(viewer.waitForFinished(10000));
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
  }

  static QString Favourite(const char* caption, const char* page) {
    return QString::fromUtf8(caption) + "=html_load*h*" + page;
  }

  test::TempDir program, config, runtime;
};

TEST_F(SavedStateProcess, TheNextRunFindsTheFavouritesInOrderAndThePosition) {
  Describe(123, 77, 640, 480, "tree_go*tree*a.htm//tree_add_favorite*tree//tree_go*tree*b.htm//tree_add_favorite*tree");
  {
    QProcess viewer;
    Start(viewer);
    ASSERT_TRUE(WaitFor([this] { return !Setting("favorite_1").isEmpty(); }));
    Terminate(viewer);
  }
  EXPECT_EQ(Setting("favorite_0"), Favourite("Тормоза", "b.htm"));
  EXPECT_EQ(Setting("favorite_1"), Favourite("Двигатель", "a.htm"));
  EXPECT_EQ(Setting("pos_frmMain"), "77;123;640;480;0");

  // The second run places its window elsewhere and adds one more favourite
  // before it reads the stored ones, which then come on top, in their order.
  Describe(10, 10, 500, 400, "tree_go*tree*c.htm//tree_add_favorite*tree");
  {
    QProcess viewer;
    Start(viewer);
    ASSERT_TRUE(WaitFor([this] { return !Setting("favorite_2").isEmpty(); }));
    Terminate(viewer);
  }
  EXPECT_EQ(Setting("favorite_0"), Favourite("Тормоза", "b.htm"));
  EXPECT_EQ(Setting("favorite_1"), Favourite("Двигатель", "a.htm"));
  EXPECT_EQ(Setting("favorite_2"), Favourite("Кузов", "c.htm"));
  EXPECT_EQ(Setting("pos_frmMain"), "77;123;640;480;0");  // where the first run left it
}

TEST_F(SavedStateProcess, AKilledRunKeepsTheFavouriteItAdded) {
  Describe(20, 20, 500, 400, "tree_go*tree*a.htm//tree_add_favorite*tree");
  {
    QProcess viewer;
    Start(viewer);
    ASSERT_TRUE(WaitFor([this] { return !Setting("favorite_0").isEmpty(); }));
    viewer.kill();  // SIGKILL: nothing runs at the end
    viewer.waitForFinished(5000);
  }
  EXPECT_EQ(Setting("favorite_0"), Favourite("Двигатель", "a.htm"));
  Describe(20, 20, 500, 400, "tree_go*tree*d.htm//tree_add_favorite*tree");
  {
    QProcess viewer;
    Start(viewer);
    ASSERT_TRUE(WaitFor([this] { return !Setting("favorite_1").isEmpty(); }));
    Terminate(viewer);
  }
  EXPECT_EQ(Setting("favorite_0"), Favourite("Двигатель", "a.htm"));  // found by the next run
  EXPECT_EQ(Setting("favorite_1"), Favourite("Свет", "d.htm"));
}

}  // namespace
}  // namespace remont
