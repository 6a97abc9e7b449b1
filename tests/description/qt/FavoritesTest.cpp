// Menus built from every key of their sections, favourites in every
// favourites menu and in the settings store, history menus, and the saved
// window position, with the fake store and with a real settings file.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "common/Cp1251.h"
#include "common/Messages.h"
#include "common/qt/QtPlatform.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"
#include "support/FakePlatform.h"
#include "support/qt/EngineBuild.h"

namespace remont {
namespace {

using Texts = std::vector<std::string>;

// A reading page: a favourites menu with fixed items before and after, the
// page's context menu showing the same favourites, and history menus.
const char kPage[] =
    "[Show]\ntype=form\nreg_dat=Software\\Test\\Remont\nwidth=600\nheight=400\n"
    "[fav]\ntype=pop_menu\ncaption=Добавить;Удалить\naction=tree_add_favorite*tree;tree_del_favorite*tree\n"
    "key=Ctrl+D;\nlast_caption=Все разделы\nlast_action=tree_expand*tree\nfavorite=1\nglob_action=nil\n"
    "[page_menu]\ntype=pop_menu\ncaption=Копировать\naction=html_copy*h\nFavorite=True\nglob_action=test\n"
    "[back]\ntype=pop_menu\nhistory_back=h\nglob_action=html_load*h\n"
    "[ahead]\ntype=pop_menu\nhistory_prev=h\nglob_action=html_load*h\n"
    "[tree_all]\ntype=pop_menu\nhistory_full=tree\nglob_action=nil\n"
    "[tree]\ntype=tree\nload=contents.txt\naction=html_load*h*insert\n"
    "[h]\ntype=html\nmenu=page_menu\nlink_tree=tree\n";

class FavoritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program.Write("contents.txt", Utf8ToCp1251("Двигатель;a.htm\nТормоза;b.htm\nКузов;c.htm\n"));
    for (const char* p : {"a", "b", "c"})
      program.Write(std::string(p) + ".htm", "<html><head><title>Page " + std::string(p) + "</title></head></html>");
  }
  std::unique_ptr<TSkStract> Build(const std::string& text = kPage) {
    return test::BuildDescription(form, program, "show.txt", text);
  }
  static Texts Items(QMenu* plain) {
    Texts out;
    auto* menu = dynamic_cast<TSkPopMenu*>(plain);
    for (int i = 0; i < menu->PopItemCount(); ++i) out.push_back(menu->GetPopItem(i)->text().toStdString());
    return out;
  }
  static Texts Actions(QMenu* plain) {
    Texts out;
    auto* menu = dynamic_cast<TSkPopMenu*>(plain);
    for (int i = 0; i < menu->PopItemCount(); ++i) out.push_back(menu->GetPopItem(i)->Action());
    return out;
  }
  std::string Stored(int n) {
    std::string v;
    return platform.ReadSetting("Software\\Test\\Remont", FavoriteValueName(n), v) ? v : "<none>";
  }

  test::FakePlatform platform;
  test::LooseProgram program;
  TSkForm form;
};

TEST_F(FavoritesTest, TheStoredOrderComesBackInEveryFavouritesMenu) {
  platform.WriteSetting("Software\\Test\\Remont", "favorite_0", "A=html_load*h*a.htm");
  platform.WriteSetting("Software\\Test\\Remont", "favorite_1", "B=html_load*h*b.htm");
  auto e = Build();
  ASSERT_NE(e->Favorites(), nullptr);
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{"A=html_load*h*a.htm", "B=html_load*h*b.htm"}));
  EXPECT_EQ(Items(e->GetPopMenu("fav")), (Texts{"Добавить", "Удалить", "A", "B", "Все разделы"}));
  // glob_action nil raises the value itself; any other puts the value into it.
  EXPECT_EQ(Actions(e->GetPopMenu("fav"))[2], "html_load*h*a.htm");
  EXPECT_EQ(Actions(e->GetPopMenu("page_menu")), (Texts{"html_copy*h", "test*html_load*h*a.htm", "test*html_load*h*b.htm"}));
  EXPECT_EQ(e->FavoriteMenus(), "fav;page_menu;");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FavoritesTest, AddingFromTheTreeDuplicatesReplacementAndTheTwentyFirst) {
  auto e = Build();
  auto* tree = e->GetTree("tree");
  e->ExecuteCommand("tree_go*tree*a.htm//tree_add_favorite*tree");
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{Ru("Двигатель") + "=html_load*h*a.htm"}));
  EXPECT_EQ(Stored(0), Ru("Двигатель") + "=html_load*h*a.htm");  // written at once
  ASSERT_NE(tree, nullptr);

  e->AddFavorite(Ru("ДВИГАТЕЛЬ=HTML_LOAD*H*A.HTM"));  // already there, other case: nothing changes
  EXPECT_EQ(e->Favorites()->Count(), 1);

  // Another caption for the same command replaces the entry and its items.
  e->AddFavorite("Engine=html_load*h*a.htm");
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{"Engine=html_load*h*a.htm"}));
  EXPECT_EQ(Items(e->GetPopMenu("fav")), (Texts{"Добавить", "Удалить", "Engine", "Все разделы"}));
  EXPECT_EQ(Items(e->GetPopMenu("page_menu")), (Texts{"Копировать", "Engine"}));

  for (int i = 1; i <= 20; ++i) e->AddFavorite("N" + std::to_string(i) + "=p" + std::to_string(i) + ".htm");
  EXPECT_EQ(e->Favorites()->Count(), 20);
  EXPECT_EQ(e->Favorites()->Entries().back(), "N1=p1.htm");  // Engine, the oldest, went
  const Texts items = Items(e->GetPopMenu("fav"));
  ASSERT_EQ(items.size(), 23u);  // 2 leading + 20 favourites + 1 trailing
  EXPECT_EQ(items[2], "N20");
  EXPECT_EQ(items[21], "N1");
  EXPECT_EQ(items[22], "Все разделы");
  EXPECT_EQ(Stored(19), "N1=p1.htm");
}

TEST_F(FavoritesTest, RemovingByATextSeveralEntriesHold) {
  auto e = Build();
  e->AddFavorite("One=html_load*h*a.htm");
  e->AddFavorite("Two=html_load*h*a.htm#part");
  e->AddFavorite("Three=html_load*h*b.htm");
  e->ExecuteCommand("menu_del_favore*html_load*h*a.htm");
  // From the list the newest entry holding the text; from each menu the item whose target is the text.
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{"Three=html_load*h*b.htm", "One=html_load*h*a.htm"}));
  EXPECT_EQ(Items(e->GetPopMenu("fav")), (Texts{"Добавить", "Удалить", "Three", "Two", "Все разделы"}));
  // The tree's own removal: the selected node's command.
  e->AddFavorite(Ru("Тормоза=html_load*h*b2.htm"));
  e->ExecuteCommand("tree_go*tree*b.htm//tree_del_favorite*tree");
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{Ru("Тормоза=html_load*h*b2.htm"), "One=html_load*h*a.htm"}));
}

TEST_F(FavoritesTest, AListThatShrankLeavesNoStaleValues) {
  {
    auto e = Build();
    for (const char* c : {"a", "b", "c", "d", "e"}) e->AddFavorite(std::string(c) + "=" + c + ".htm");
    EXPECT_EQ(Stored(4), "a=a.htm");
    e->DeleteFavorite("b.htm");
    e->DeleteFavorite("d.htm");
    EXPECT_EQ(Stored(3), "<none>");  // already when it changed
  }
  EXPECT_EQ(Stored(0), "e=e.htm");
  EXPECT_EQ(Stored(1), "c=c.htm");
  EXPECT_EQ(Stored(2), "a=a.htm");
  EXPECT_EQ(Stored(3), "<none>");
  EXPECT_EQ(Stored(4), "<none>");
}

TEST_F(FavoritesTest, HistoryMenusOfTheViewAtItsNewestAndOldestPage) {
  auto e = Build();
  auto* h = e->GetHtml("h");
  e->ExecuteCommand("html_load*h*a.htm//html_load*h*b.htm//html_load*h*c.htm");
  QMenu* back = e->GetPopMenu("back");
  QMenu* ahead = e->GetPopMenu("ahead");
  ASSERT_TRUE(e->FillHistoryMenu(back));
  EXPECT_EQ(Items(back), (Texts{"Page b", "Page a"}));
  EXPECT_EQ(Actions(back)[0], "html_go_history*h*1//html_load*h*" + h->HistoryItem(1).file);
  ASSERT_TRUE(e->FillHistoryMenu(ahead));
  EXPECT_TRUE(Items(ahead).empty());

  h->SetHistoryIndex(2);  // the oldest page
  e->FillHistoryMenu(back);
  e->FillHistoryMenu(ahead);
  EXPECT_TRUE(Items(back).empty());
  EXPECT_EQ(Items(ahead), (Texts{"Page c", "Page b"}));
  // Choosing an item moves the view there; loading that page again (the
  // global action here) brings the tree along without a new history entry.
  dynamic_cast<TSkPopMenu*>(ahead)->GetPopItem(1)->trigger();
  EXPECT_EQ(h->HistoryIndex(), 1);
  EXPECT_EQ(h->HistoryCount(), 3);
  EXPECT_EQ(e->GetTree("tree")->CurrentPage(), "b.htm");
  EXPECT_FALSE(e->FillHistoryMenu(e->GetPopMenu("fav")));  // not a history menu: untouched
  EXPECT_EQ(Items(e->GetPopMenu("fav")).size(), 3u);
}

TEST_F(FavoritesTest, TheFullHistoryOfATreeChecksTheCurrentNode) {
  auto e = Build();
  auto* tree = e->GetTree("tree");
  for (const char* p : {"a.htm", "b.htm", "c.htm"}) {
    tree->setCurrentItem(tree->FindNodeByPage(p));
  }
  e->ExecuteCommand("tree_back*tree");
  QMenu* all = e->GetPopMenu("tree_all");
  e->FillHistoryMenu(all);
  EXPECT_EQ(Items(all), (Texts{"Кузов", "Тормоза", "Двигатель"}));
  auto* menu = dynamic_cast<TSkPopMenu*>(all);
  EXPECT_FALSE(menu->GetPopItem(0)->isChecked());
  EXPECT_TRUE(menu->GetPopItem(1)->isChecked());  // where tree_back went
  EXPECT_EQ(menu->GetPopItem(2)->Action(), "tree_go_history*tree*2");
}

TEST_F(FavoritesTest, MenuShowRefillsAHistoryMenuAndMenuKeysWork) {
  auto e = Build(std::string(kPage) +
                 "[three]\ntype=pop_menu\ncaption=A;;B\naction=test*a;test*x;test*b\ncheck=5\nlength=20\n"
                 "[only_glob]\ntype=pop_menu\nglob_action=test*g\n"
                 "[broken]\ntype=pop_menu\ncaption=X\n");
  EXPECT_EQ(Items(e->GetPopMenu("three")), (Texts{"A", "", "B"}));
  for (QAction* a : e->GetPopMenu("three")->actions()) EXPECT_FALSE(a->isChecked());  // check beyond the items
  EXPECT_TRUE(Items(e->GetPopMenu("only_glob")).empty());
  EXPECT_EQ(platform.messages, (Texts{msg::MenuParamsMissing("broken")}));
  platform.messages.clear();

  e->ExecuteCommand("html_load*h*a.htm//html_load*h*b.htm//menu_show*back");
  QMenu* back = e->GetPopMenu("back");
  EXPECT_EQ(Items(back), (Texts{"Page a"}));
  back->hide();
  // A shortcut of a menu item is a hot key of the window too.
  e->ExecuteCommand("tree_go*tree*c.htm");
  form.FormKeyDown('D', Qt::ControlModifier);
  EXPECT_EQ(e->Favorites()->Entries(), (Texts{Ru("Кузов") + "=html_load*h*c.htm"}));
}

TEST_F(FavoritesTest, MessagesWhenMenusOrThePathAreMissing) {
  {
    auto e = Build("[f]\ntype=form\n[m]\ntype=pop_menu\nglob_action=nil\n");
    e->AddFavorite("A=a.htm");
    EXPECT_EQ(platform.messages, (Texts{"show.txt\r\n" + msg::NoFavoriteMenu()}));
  }
  platform.messages.clear();
  {
    auto e = Build("[f]\ntype=form\nreg_dat=X\n[m]\ntype=pop_menu\nfavorite=1\ncaption=a\naction=nil\n"
                   "[n]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n");
    e->AddFavorite("A=a.htm");
    EXPECT_EQ(platform.messages, (Texts{"show.txt\r\n" + msg::FavoriteMenuWithoutAction("m")}));
    EXPECT_TRUE(Items(e->GetPopMenu("n")).empty());  // the menus after it are not updated
    EXPECT_EQ(e->Favorites()->Count(), 1);           // and the entry stays
  }
  platform.messages.clear();
  platform.settings.clear();
  {
    auto e = Build("[f]\ntype=form\n[m]\ntype=pop_menu\nfavorite=1\nglob_action=nil\n");
    EXPECT_EQ(platform.messages, (Texts{"show.txt\r\n" + msg::ReadFavoriteNoPath()}));
    e->AddFavorite("A=a.htm");  // no path: nothing is written while it runs
    EXPECT_EQ(platform.messages.size(), 1u);
  }
  // At the end, one message per entry that could not be written.
  EXPECT_EQ(platform.messages.back(), "show.txt\r\n" + msg::RegistryPathMissing());
  EXPECT_TRUE(platform.settings.empty());
}

TEST_F(FavoritesTest, TheWindowComesBackWhereItWasAndOntoTheScreen) {
  const std::string description = "[f]\ntype=form\nreg_dat=Pos\nsave_pos=1\nleft=40\ntop=30\nwidth=500\nheight=300\n";
  {
    auto e = Build(description);
    form.move(70, 50);
    form.resize(420, 260);
  }
  EXPECT_EQ(platform.settings["Pos|pos_" + form.WindowName()], "50;70;420;260;0");
  {
    auto e = Build(description);
    EXPECT_EQ(form.pos(), QPoint(70, 50));
    EXPECT_EQ(form.size(), QSize(420, 260));
  }
  // A value that does not parse is ignored.
  platform.settings["Pos|pos_" + form.WindowName()] = "50;seventy;420;260;0";
  {
    TSkForm other;
    auto e = test::BuildDescription(other, program, "pos.txt", description);
    EXPECT_EQ(other.pos(), QPoint(40, 30));
  }
  // Left on a monitor that is gone: back onto the screen.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  platform.settings["Pos|pos_" + form.WindowName()] = "100;" + std::to_string(screen.right() + 2000) + ";420;260;0";
  {
    TSkForm other;
    auto e = test::BuildDescription(other, program, "pos.txt", description);
    EXPECT_TRUE(screen.contains(other.geometry())) << other.geometry().x();
    EXPECT_EQ(other.size(), QSize(420, 260));
  }
}

// The viewer's own store, an INI file: Russian entries read back exactly, in order.
TEST_F(FavoritesTest, ARealSettingsFileKeepsRussianAndTheOrder) {
  test::TempDir dir;
  const QString file = QString::fromStdString(dir.Sub("remont.ini"));
  {
    QtPlatform store(file);
    Platform* previous = SetPlatform(&store);
    {
      auto e = Build();
      e->AddFavorite(Ru("Замена колодок=html_load*h*pages/колодки.htm"));
      e->AddFavorite(Ru("Ёмкости «Заря»=html_load*h*b.htm"));
    }
    SetPlatform(previous);
  }
  QFile ini(file);
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains(QString::fromUtf8("Замена колодок")));  // UTF-8 text
  {
    QtPlatform store(file);
    Platform* previous = SetPlatform(&store);
    auto e = Build();
    EXPECT_EQ(e->Favorites()->Entries(), (Texts{Ru("Ёмкости «Заря»=html_load*h*b.htm"),
                                                 Ru("Замена колодок=html_load*h*pages/колодки.htm")}));
    e.reset();
    SetPlatform(previous);
  }
}

}  // namespace
}  // namespace remont
