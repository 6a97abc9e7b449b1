#include "shell/qt/FrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/SiblingLink.h"
#include "common/qt/QtText.h"
#include "common/Command.h"
#include "description/qt/SkStract.h"
#include "elements/qt/SkTree.h"
#include "elements/qt/SkEditBox.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkListBox.h"
#include "pages/PageRules.h"
#include "pages/qt/PrintPreview.h"
#include "pages/qt/SkHtml.h"
#include "shell/qt/OwnerCommands.h"
#include "shell/qt/SiblingServer.h"

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
  TfrmMain* controller = controller_;
  engine_->OnHelpAction = [controller](const RHelpAction& r) {
    if (controller) controller->SearchHelpAction(r);
    else CurrentPlatform().ShowMessage(r.Action, MessageKind::Plain);
  };
  // The result list: a click opens the result, a double click (after that
  // click) closes the window, and Enter does both.
  if (auto* list = dynamic_cast<TSkListBox*>(engine_->GetListBox("list_rez"))) {
    connect(list, &QListWidget::itemClicked, this, [controller] {
      if (controller) controller->OpenResult();
    });
    list->OnClick = [this] { close(); };
    connect(list, &QListWidget::itemActivated, this, [this, controller, list] {
      if (QApplication::mouseButtons() != Qt::NoButton) return;  // the mouse's own activation
      if (controller) controller->OpenResult();
      if (list->currentRow() >= 0) close();
    });
  }
}

TfrmTesaurus::TfrmTesaurus(QWidget* owner) : TSkForm(owner) {
  setObjectName("frmTesaurus");
  setWindowTitle(ToQ(Ru("Тезаурус")));
}

void TfrmTesaurus::TesaurusHelpAction(const RHelpAction& request) {
  static constexpr ROwnerCommand<TfrmTesaurus> kCommands[] = {{"find_tez", &TfrmTesaurus::FindTez}};
  RunOwnerCommand<TfrmTesaurus>(*this, kCommands, request);
}

void TfrmTesaurus::FindTez(const RHelpAction&) {
  if (!engine_) return;
  auto* status = dynamic_cast<TSkLabel*>(engine_->GetLabel("label_status"));
  auto* edit = dynamic_cast<TSkEditBox*>(engine_->GetEditBox("edit_find"));
  TSkHtml* html = engine_->GetHtml("html_see");
  if (!status || !edit || !html) return;
  status->SetCaption("");
  const std::string text = edit->Text();
  if (text.empty()) status->SetCaption(msg::EnterText());
  else if (!html->FindText(text)) status->SetCaption(msg::TextNotFound());
  edit->setFocus();
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
  // The sibling program's requests, from now on (also inside modal windows).
  sibling_ = std::make_unique<TSiblingServer>();
  sibling_->SetHandler([this](const RSiblingRequest& r, TSiblingConnection& c) { SiblingRequest(r, c); });
  sibling_->Listen(ViewerSocketPath());
}

void TfrmMain::SiblingRequest(const RSiblingRequest& request, TSiblingConnection& connection) {
  if (request.Kind == 0) {
    if (!show_engine_) return;
    show_engine_->ShowPage();
    TSkHtml* html = show_engine_->GetHtml("html_see");
    if (!html) return;
    try {
      html->LoadPage(request.Path);
    } catch (const PageLoadError& e) {
      // No reply: the sender stops waiting at once, the error box says why.
      connection.Close();
      CurrentPlatform().ShowErrorBox(e.what());
      return;
    }
    html->SyncTree(request.Path);
    connection.Send(SiblingPageReply());
  } else if (request.Kind == 1) {
    connection.Send(kSiblingHide);
    PrintImageFile(request.Path);
    connection.Send(kSiblingShow);
  }
}

void TfrmMain::PrintImageFile(const std::string& path) {
  auto html = std::make_unique<TSkHtml>(this);
  html->hide();
  // The folder as the base and the file name as the picture: the path names
  // the picture from the archive's root (or is absolute).
  html->ShowPicture(ExtractFilePath(path), ExtractFileName(path));
  ShowPrintPreview(this, html.get());
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
  ShowResultsPanel(results_ && !results_->empty());
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
    auto engine = std::make_unique<TSkStract>(thesaurus, "struct_tesaurus.txt");
    engine->LoadStruct();
    thesaurus->SetEngine(engine.get());
    engine->OnHelpAction = [thesaurus](const RHelpAction& r) { thesaurus->TesaurusHelpAction(r); };
    engine->ShowPage();
    thesaurus->exec();
    thesaurus->SetEngine(nullptr);
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
