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

class TfrmSearch : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmSearch(QWidget* owner = nullptr);
  ~TfrmSearch() override;
  void FormCreate();
  TSkStract* Engine() const { return engine_.get(); }
  void SearchHelpAction(const RHelpAction& request);

 private:
  std::unique_ptr<TSkStract> engine_;
};

class TfrmPreviewForm : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmPreviewForm(QWidget* owner = nullptr);
};

class TfrmTesaurus : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmTesaurus(QWidget* owner = nullptr);
  void TesaurusHelpAction(const RHelpAction& request);
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
  void SetSearchWindow(TfrmSearch* search) { search_ = search; }

  void MainHelpAction(const RHelpAction& request);
  void ShowHelpAction(const RHelpAction& request);
  void OpenAbout();
  void OpenThesaurus();

  TSkStract* MainEngine() const { return main_engine_.get(); }
  TSkStract* ShowEngine() const { return show_engine_.get(); }
  std::vector<std::string>* Results() const { return results_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
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
  bool saved_but_tree_open_ = false;
  bool saved_but_tree_hide_ = false;
  bool archive_closed_ = false;
};

}  // namespace remont
