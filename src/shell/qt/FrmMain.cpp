#include "shell/qt/FrmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "common/Command.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkTree.h"
#include "shell/qt/OwnerCommands.h"

namespace remont {
namespace {

std::string RestOfFirst(const RHelpAction& request) {
  const TSkCommand commands(request.Action);
  return commands.Count() > 0 ? commands.Commands()[0].Rest : std::string();
}

// Builds a window from its description and shows it modally; the engine is
// destroyed before its window, so it saves its state and frees its elements first.
void RunModal(TSkForm* form, const std::string& description, const TSkStract::HelpHandler& handler) {
  auto engine = std::make_unique<TSkStract>(form, description);
  engine->LoadStruct();
  if (handler) engine->OnHelpAction = handler;
  engine->ShowPage();
  form->exec();
  engine.reset();
}

}  // namespace

TfrmSearch::TfrmSearch(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmSearch");
  setWindowTitle(ToQ(Ru("Поиск")));
}

TfrmSearch::~TfrmSearch() { engine_.reset(); }

void TfrmSearch::FormCreate() {
  engine_ = std::make_unique<TSkStract>(this, "struct_search.txt");
  engine_->LoadStruct();
  engine_->OnHelpAction = [this](const RHelpAction& r) { SearchHelpAction(r); };
}

// The search window's own commands come with the search; until then every
// command shows as the owner's unknown command does.
void TfrmSearch::SearchHelpAction(const RHelpAction& request) {
  RunOwnerCommand<TfrmSearch>(*this, {}, request);
}

TfrmPreviewForm::TfrmPreviewForm(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmPreviewForm");
  setWindowTitle(ToQ(Ru("Предварительный просмотр")));
}

TfrmTesaurus::TfrmTesaurus(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmTesaurus");
  setWindowTitle(ToQ(Ru("Тезаурус")));
}

// The thesaurus's own commands come with the thesaurus search; until then
// every command shows as the owner's unknown command does.
void TfrmTesaurus::TesaurusHelpAction(const RHelpAction& request) {
  RunOwnerCommand<TfrmTesaurus>(*this, {}, request);
}

TfrmAbout::TfrmAbout(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmAbout");
  setWindowTitle("About");
}

TfrmMain::TfrmMain(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmMain");
  setWindowTitle(ToQ(msg::MainCaption()));
  resize(775, 513);
  setFont(QFont("MS Sans Serif"));
}

TfrmMain::~TfrmMain() { FormCloseQuery(); }

void TfrmMain::FormCreate() {
  OpenPack(GetProgramPath("interface.dat"));
  main_engine_ = std::make_unique<TSkStract>(this, "struct_main.txt");
  main_engine_->LoadStruct();
  main_engine_->OnHelpAction = [this](const RHelpAction& r) { MainHelpAction(r); };
  show_engine_ = std::make_unique<TSkStract>(this, "struct_show.txt");
  show_engine_->LoadStruct();
  show_engine_->OnHelpAction = [this](const RHelpAction& r) { ShowHelpAction(r); };
  main_engine_->ShowPage();
  results_ = std::make_unique<std::vector<std::string>>();
}

void TfrmMain::MainHelpAction(const RHelpAction& request) {
  static constexpr ROwnerCommand<TfrmMain> kCommands[] = {
      {"go_main", &TfrmMain::GoMain},
      {"about", &TfrmMain::About},
  };
  RunOwnerCommand<TfrmMain>(*this, kCommands, request);
}

void TfrmMain::ShowHelpAction(const RHelpAction& request) {
  static constexpr ROwnerCommand<TfrmMain> kCommands[] = {
      {"visible_but_tree", &TfrmMain::VisibleButTree}, {"go_main_menu", &TfrmMain::GoMainMenu},
      {"go_find", &TfrmMain::GoFind},                  {"go_tesaurus", &TfrmMain::GoTesaurus},
      {"about", &TfrmMain::About},
  };
  RunOwnerCommand<TfrmMain>(*this, kCommands, request);
}

// The show page, then the rest of the string on it.
void TfrmMain::GoMain(const RHelpAction& request) {
  SetFramePainting(false);
  if (show_engine_) {
    show_engine_->ShowPage();
    show_engine_->ExecuteCommand(RestOfFirst(request));
  }
  SetFramePainting(true);
}

void TfrmMain::About(const RHelpAction&) { OpenAbout(); }

void TfrmMain::VisibleButTree(const RHelpAction&) {
  // The two buttons are found by name whatever their type.
  auto button = [this](const char* button_name) -> QWidget* {
    auto* w = qobject_cast<QWidget*>(show_engine_->FindElement(button_name));
    if (!w) show_engine_->ShowError(msg::GetComponentNotFound(button_name));
    return w;
  };
  QWidget* tree_widget = show_engine_->GetTree("tree");
  QWidget* open = button("but_tree_open");
  QWidget* hide = button("but_tree_hide");
  if (!tree_widget || !open || !hide) return;
  if (!tree_widget->isVisibleTo(tree_widget->parentWidget())) {
    saved_but_tree_open_ = open->isVisibleTo(open->parentWidget());
    saved_but_tree_hide_ = hide->isVisibleTo(hide->parentWidget());
    open->setVisible(false);
    hide->setVisible(false);
  } else {
    open->setVisible(saved_but_tree_open_);
    hide->setVisible(saved_but_tree_hide_);
  }
}

void TfrmMain::GoMainMenu(const RHelpAction&) { main_engine_->ShowPage(); }

void TfrmMain::GoFind(const RHelpAction&) {
  if (!search_ || !search_->Engine()) return;
  TSkStract* engine = search_->Engine();
  engine->ShowPage();
  if (QWidget* edit = engine->GetEditBox("edit_find")) edit->setFocus();
  if (!search_->isVisible()) search_->exec();
}

void TfrmMain::GoTesaurus(const RHelpAction&) { OpenThesaurus(); }

void TfrmMain::OpenAbout() {
  auto* about = new TfrmAbout(this);
  try {
    RunModal(about, "struct_about.txt", nullptr);
  } catch (...) {
    delete about;
    throw;
  }
  delete about;
}

void TfrmMain::OpenThesaurus() {
  auto* thesaurus = new TfrmTesaurus(this);
  try {
    RunModal(thesaurus, "struct_tesaurus.txt", [thesaurus](const RHelpAction& r) { thesaurus->TesaurusHelpAction(r); });
  } catch (...) {
    delete thesaurus;
    throw;
  }
  delete thesaurus;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // The close may come from one of the engines' own elements (a form_close
  // button): the archive and the sibling go now, the engines with the window,
  // once no event handler of theirs is running.
  CloseArchiveAndSibling();
  event->accept();
  QCoreApplication::exit(0);
}

void TfrmMain::CloseArchiveAndSibling() {
  if (archive_closed_) return;
  archive_closed_ = true;
  ClosePack();
  CurrentPlatform().CloseSibling();
}

void TfrmMain::FormCloseQuery() {
  CloseArchiveAndSibling();
  main_engine_.reset();
  show_engine_.reset();
  results_.reset();
}

}  // namespace remont
