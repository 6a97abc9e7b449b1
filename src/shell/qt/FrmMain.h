// The main window controller: the main and show pages (two engines on one
// window), the search, preview, thesaurus and about windows, and the owner
// handlers for the commands the main and show descriptions leave to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/HelpAction.h"
#include "elements/qt/SkForm.h"

namespace remont {

class TSkStract;
class TfrmMain;
class TSiblingServer;
class TSiblingConnection;
struct RSiblingRequest;

// The search window: built at start from struct_search.txt; its commands and
// the search itself belong to the main window controller.
class TfrmSearch : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmSearch(QWidget* owner = nullptr);
  ~TfrmSearch() override;
  // Builds the window; its engine's commands go to the controller, a click on
  // a result opens it and a double click closes the window.
  void FormCreate();
  void SetController(TfrmMain* controller) { controller_ = controller; }
  TSkStract* Engine() const { return engine_.get(); }

 private:
  std::unique_ptr<TSkStract> engine_;
  TfrmMain* controller_ = nullptr;
};

class TfrmTesaurus : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmTesaurus(QWidget* owner = nullptr);
  void TesaurusHelpAction(const RHelpAction& request);
  // The engine built into the window while it is open.
  void SetEngine(TSkStract* engine) { engine_ = engine; }
  TSkStract* Engine() const { return engine_; }

 private:
  // find_tez: the next occurrence of the typed text in the thesaurus page.
  void FindTez(const RHelpAction& request);

  TSkStract* engine_ = nullptr;
};

class TfrmAbout : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* owner = nullptr);
};

class TfrmMain : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* owner = nullptr);
  ~TfrmMain() override;

  // Opens the archive and builds the two pages; build errors reach the caller.
  void FormCreate();
  void SetSearchWindow(TfrmSearch* search) {
    search_ = search;
    if (search) search->SetController(this);
  }

  void MainHelpAction(const RHelpAction& request);
  void ShowHelpAction(const RHelpAction& request);
  void SearchHelpAction(const RHelpAction& request);

  // The search (the search window's elements, the show page's page and tree).
  void SearchAll(const std::string& text);
  void ShowResults();
  void ShowResultsPanel(bool show);
  void OpenResult();
  void EnableScopes(bool on);
  bool SearchRunning() const { return running_; }
  int RememberedPanelHeight() const { return remembered_panel_height_; }
  void OpenAbout();
  void OpenThesaurus();

  // A request of the sibling diagram program: kind 0 shows the page on the
  // show page and answers 1690, kind 1 prints the picture through the print
  // preview between the notices "HIDE" and "SHOW", any other kind does nothing.
  void SiblingRequest(const RSiblingRequest& request, TSiblingConnection& connection);
  // The print preview of a page holding only the picture at path.
  void PrintImageFile(const std::string& path);
  TSiblingServer* SiblingServer() const { return sibling_.get(); }

  TSkStract* MainEngine() const { return main_engine_.get(); }
  TSkStract* ShowEngine() const { return show_engine_.get(); }
  std::vector<std::string>* Results() const { return results_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // find_slovo: starts a search in the chosen scope, or stops a running one.
  void FindSlovo(const RHelpAction& request);
  QWidget* SearchElement(const char* name, const char* type);

  // Owner commands of the main and show engines.
  void GoMain(const RHelpAction& request);
  void About(const RHelpAction& request);
  void VisibleButTree(const RHelpAction& request);
  void GoMainMenu(const RHelpAction& request);
  void GoFind(const RHelpAction& request);
  void GoTesaurus(const RHelpAction& request);

  void FormCloseQuery();
  void CloseArchiveAndSibling();

  std::unique_ptr<TSkStract> main_engine_;
  std::unique_ptr<TSkStract> show_engine_;
  std::unique_ptr<std::vector<std::string>> results_;
  TfrmSearch* search_ = nullptr;
  bool running_ = false;
  int remembered_panel_height_ = 0;
  std::string query_;        // lower-cased, for the full search
  std::string query_typed_;  // as typed, for finding it in an opened result
  bool saved_but_tree_open_ = false;
  bool saved_but_tree_hide_ = false;
  bool archive_closed_ = false;
  std::unique_ptr<TSiblingServer> sibling_;
};

}  // namespace remont
