// THtmlEx: the page view control. It hosts a QTextBrowser whose every file
// read (pages, pictures, style sheets) goes through the content archive, hides
// the browser's own scroll bars behind two bars of its own that follow the
// skin, and keeps its own history of the last 20 pages with their titles and
// scroll positions (index 0 the newest).
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QScrollBar;

namespace remont {

// The browser: loadResource asks the page view, never the disk.
class TPageBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  using QTextBrowser::QTextBrowser;
  std::function<QVariant(int type, const QUrl& name)> resource_loader;

  QVariant loadResource(int type, const QUrl& name) override;
};

class THtmlEx : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHistoryMax = 20;
  struct HistoryEntry {
    std::string file;   // the resolved current file
    std::string title;  // the page's title element, Windows-1251
    int vpos = 0;
    int hpos = 0;
  };

  explicit THtmlEx(QWidget* parent = nullptr);
  ~THtmlEx() override;

  // Loads a page by name (an anchor may follow "#") through the archive and
  // records it in the history. A name neither in the archive nor loose throws
  // PageLoadError ("Не найден файл: " + name) and changes nothing.
  void LoadPage(const std::string& name);
  // Shows HTML text (Windows-1251); relative names resolve against the program folder.
  void LoadHtmlText(const std::string& text);
  // Shows the lines as one HTML text, with no base folder.
  void LoadLines(const std::vector<std::string>& lines);
  // Shows the fragment centred in a table filling the view; "" means "center".
  void ShowCentered(const std::string& fragment, const std::string& align);

  void ShowHorzBar(bool on);
  void ShowVertBar(bool on);
  int GetHorzPos() const;
  void SetHorzPos(int pos);
  int GetDocPos() const;
  void SetDocPos(int pos);  // 0 is the top of the document
  // Shows each bar of ours when it is allowed and the document is larger than
  // the view that way, and copies the browser's ranges and positions into it.
  void UpdateBars();
  // The visibility rule: allowed and the browser's extent (its bar's maximum
  // plus one page) greater than the view's size.
  static bool BarShows(bool allowed, int extent, int size) { return allowed && extent > size; }

  // History: entry 0 is the newest.
  int HistoryIndex() const { return history_index_; }
  int HistoryCount() const { return static_cast<int>(history_.size()); }
  const HistoryEntry& HistoryItem(int i) const { return history_[static_cast<size_t>(i)]; }
  // Goes to entry i: loads its file when it is not the one shown and restores
  // its position. Outside the history nothing happens.
  void SetHistoryIndex(int i);

  // The file shown (resolved, the base of its relative names); empty after a text load.
  const std::string& CurrentFile() const { return current_file_; }
  std::string DocumentTitle() const;
  // Folder that the shown content's relative names resolve against.
  const std::string& ResourceBase() const { return resource_base_; }

  TPageBrowser* Viewer() const { return viewer_; }
  // The print scale (1.25 prints at 80 %); it stays with the view.
  double PrintScale() const { return print_scale_; }
  void SetPrintScale(double scale) { print_scale_ = scale; }
  QScrollBar* HorzBar() const { return hbar_; }
  QScrollBar* VertBar() const { return vbar_; }

 protected:
  // Every change of the history or of its index.
  virtual void HistoryChanged();
  // Shows bytes from a buffer: no current file, names resolve against the program folder.
  void LoadBuffer(const std::string& bytes);
  void resizeEvent(QResizeEvent* event) override;

 private:
  QVariant LoadResource(int type, const QUrl& name);
  void ShowBytes(const std::string& bytes);
  void SavePosition();
  void RestorePosition(int vpos, int hpos);
  void LayoutChildren();

  double print_scale_ = 1.0;
  bool horz_allowed_ = true;
  bool vert_allowed_ = true;
  QScrollBar* vbar_ = nullptr;
  QScrollBar* hbar_ = nullptr;
  TPageBrowser* viewer_ = nullptr;
  std::vector<HistoryEntry> history_;
  int history_index_ = 0;
  std::string current_file_;
  std::string resource_base_;
  bool updating_ = false;
  std::map<std::string, QVariant> resources_;  // the shown page's pictures and sheets by resolved path
};

}  // namespace remont
