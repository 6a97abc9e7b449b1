// The main window controller's search: the search window's find_slovo in its
// three scopes (every indexed page, the captions of the contents tree, the
// page shown), the results list and its panel, and opening a result on the
// show page.
#include <QApplication>
#include <QListWidget>
#include <algorithm>
#include <thread>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "description/qt/SkStract.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkButton.h"
#include "elements/qt/SkEditBox.h"
#include "elements/qt/SkLabel.h"
#include "elements/qt/SkListBox.h"
#include "elements/qt/SkProgressBar.h"
#include "elements/qt/SkTree.h"
#include "pages/PageRules.h"
#include "pages/qt/SkHtml.h"
#include "shell/FullTextSearch.h"
#include "shell/qt/FrmMain.h"
#include "shell/qt/OwnerCommands.h"

namespace remont {

void TfrmMain::SearchHelpAction(const RHelpAction& request) {
  static constexpr ROwnerCommand<TfrmMain> kCommands[] = {{"find_slovo", &TfrmMain::FindSlovo}};
  RunOwnerCommand<TfrmMain>(*this, kCommands, request);
}

QWidget* TfrmMain::SearchElement(const char* name, const char* type) {
  TSkStract* engine = search_ ? search_->Engine() : nullptr;
  return engine ? qobject_cast<QWidget*>(engine->GetComponent(name, type)) : nullptr;
}

void TfrmMain::EnableScopes(bool on) {
  for (const char* name : {"radio_all", "radio_chap", "radio_curent"})
    if (QWidget* radio = SearchElement(name, "r_button")) radio->setEnabled(on);
}

void TfrmMain::FindSlovo(const RHelpAction&) {
  auto* find = dynamic_cast<TSkButton*>(SearchElement("but_find", "button"));
  if (running_) {
    // A second press stops the running search after the page it is scanning.
    running_ = false;
    if (find) find->SetCaption(msg::FindCaption());
    EnableScopes(true);
    return;
  }
  auto* status = dynamic_cast<TSkLabel*>(SearchElement("label_status", "label"));
  auto* edit = dynamic_cast<TSkEditBox*>(SearchElement("edit_find", "edit_box"));
  if (!status || !edit) return;
  status->SetCaption("");
  edit->setFocus();
  const std::string text = edit->Text();
  if (text.empty()) {
    status->SetCaption(msg::EnterText());
    return;
  }
  EnableScopes(false);
  running_ = true;
  results_->clear();
  query_typed_ = text;
  auto checked = [this](const char* name) {
    auto* radio = qobject_cast<QAbstractButton*>(SearchElement(name, "r_button"));
    return radio && radio->isChecked();
  };
  const bool current_page = !checked("radio_all") && !checked("radio_chap") && checked("radio_curent");
  if (checked("radio_all")) {
    if (find) find->SetCaption(msg::StopCaption());
    SearchAll(text);
    if (find) find->SetCaption(msg::FindCaption());
  } else if (checked("radio_chap")) {
    if (TSkTree* tree = show_engine_->GetTree("tree")) tree->SearchCaptions(text, *results_);
  } else if (current_page) {
    ShowResultsPanel(false);
    TSkHtml* html = show_engine_->GetHtml("html_see");
    if (html && !html->FindText(text)) status->SetCaption(msg::TextNotFound());
  }
  if (!current_page) ShowResults();
  EnableScopes(true);
  running_ = false;
}

void TfrmMain::SearchAll(const std::string& text) {
  auto* progress = dynamic_cast<TSkProgressBar*>(SearchElement("progress", "progress_bar"));
  const TPack index_file("file.ind");
  const std::vector<RIndexEntry> index = ParseIndex(index_file.Bytes());
  if (progress) {
    progress->setRange(0, std::max(0, static_cast<int>(index.size()) - 1));
    progress->setValue(0);
  }
  query_ = LowerCase(text);
  RSearchHooks hooks;
  hooks.read_page = [](const std::string& page, std::string& bytes) { return TryLoadPackFile(bytes, page); };
  hooks.missing = [](const std::string& page) {
    CurrentPlatform().ShowMessage(msg::FileNotFound(page), MessageKind::Plain);
  };
  // The bar lets pending events run whenever its drawn length changes, so a
  // press on "Стоп" is seen between two pages.
  hooks.after_line = [this, progress](int done) {
    if (progress) progress->setValue(done);
    return running_;
  };
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  *results_ = SearchPages(index, query_, hooks, threads);
  if (progress) progress->setValue(0);
}

void TfrmMain::ShowResults() {
  auto* status = dynamic_cast<TSkLabel*>(SearchElement("label_status", "label"));
  auto* list = dynamic_cast<TSkListBox*>(SearchElement("list_rez", "list_box"));
  if (results_->empty()) {
    if (status) status->SetCaption(msg::TextNotFound());
    ShowResultsPanel(false);
    return;
  }
  if (status) status->SetCaption("");
  SortResults(*results_);
  if (list) {
    list->clear();
    for (const std::string& line : *results_) {
      std::string name = line;
      list->addItem(ToQ(CutToken(name, "=")));
    }
  }
  ShowResultsPanel(true);
}

void TfrmMain::ShowResultsPanel(bool show) {
  if (!search_) return;
  QWidget* panel = SearchElement("panel_results", "parent_panel");
  if (!panel) return;
  const bool shown = ElementVisible(panel);
  if (show) {
    search_->SetSizeable(true);
    if (!shown) search_->resize(search_->width(), search_->height() + remembered_panel_height_);
  } else if (shown) {
    remembered_panel_height_ = panel->height();
    search_->resize(search_->width(), search_->height() - remembered_panel_height_);
    search_->SetSizeable(false);
  }
  panel->setVisible(show);
  search_->show();
  search_->update();
}

void TfrmMain::OpenResult() {
  auto* list = dynamic_cast<TSkListBox*>(SearchElement("list_rez", "list_box"));
  const int i = list ? list->currentRow() : -1;
  if (i < 0 || i >= static_cast<int>(results_->size())) return;
  std::string page = (*results_)[static_cast<size_t>(i)];
  CutToken(page, "=");
  TSkHtml* html = show_engine_->GetHtml("html_see");
  if (!html) return;
  try {
    html->LoadPage(page);
  } catch (const PageLoadError& e) {
    CurrentPlatform().ShowErrorBox(e.what());
    return;
  }
  html->FindText(query_typed_);
  html->SyncTree(page);
}

}  // namespace remont
