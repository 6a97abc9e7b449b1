#include "pages/qt/SkHtml.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "archive/Pack.h"
#include "common/Helpers.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "common/ConvertError.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkLabel.h"
#include "pages/qt/PrintPreview.h"
#include "elements/qt/SkTree.h"
#include "pages/PageRules.h"
#include "pages/qt/FrmViewPic.h"

namespace remont {

TSkHtml::TSkHtml(QWidget* parent) : THtmlEx(parent) {
  Viewer()->viewport()->installEventFilter(this);
  connect(Viewer(), &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    // The link as written: a URL would lower-case schemes and hosts and refuse
    // targets that are no URL at all. A mouse click left it in clicked_href_,
    // a key press on a link has it under the cursor.
    QString href = clicked_href_;
    clicked_href_.clear();
    if (QUrl(href) != url) href.clear();  // a release over a link that was no click of it
    if (href.isEmpty()) href = Viewer()->textCursor().charFormat().anchorHref();
    if (href.isEmpty()) href = QUrl::fromPercentEncoding(url.toEncoded());
    // A page that cannot be found ends here, in the application's error box.
    try {
      HotSpotClick(FromQ(href));
    } catch (const PageLoadError& e) {
      CurrentPlatform().ShowErrorBox(e.what());
    }
  });
}

TSkHtml::~TSkHtml() { Viewer()->viewport()->removeEventFilter(this); }

void TSkHtml::SetContextMenu(QMenu* menu) {
  context_menu_ = menu;
  // The right click lands on the browser's viewport, which hands it to the
  // browser: the browser's own menu is what has to give way.
  Viewer()->setContextMenuPolicy(Qt::CustomContextMenu);
  disconnect(Viewer(), &QWidget::customContextMenuRequested, this, nullptr);
  connect(Viewer(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    if (context_menu_) context_menu_->popup(Viewer()->viewport()->mapToGlobal(pos));
  });
}

void TSkHtml::SetMoveCursor(bool on) {
  move_cursor_ = on;
  Viewer()->setTextInteractionFlags(on ? Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard
                                       : Qt::TextBrowserInteraction);
}

void TSkHtml::RaiseCommand(const std::string& command) {
  if (!OnCommand) return;
  RHelpAction a;
  a.Action = command;
  OnCommand(a);
}

void TSkHtml::HotSpotClick(const std::string& target) {
  const std::string folder = ExtractFilePath(CurrentFile());
  switch (ClassifyLink(target)) {
    case LinkKind::External:
      CurrentPlatform().ShellOpen(target, "", "open");
      return;
    case LinkKind::Command: {
      const std::string command = target.substr(1);
      RaiseCommand(Action().empty() ? command : Action() + "*" + command);
      return;  // not handled, but no rule of the view's own follows a "$" name
    }
    case LinkKind::Movie:
      RaiseCommand("swf*" + JoinPath(target, folder));
      return;
    case LinkKind::Picture:
      if (!zoom_pictures_) {
        RaiseCommand(Action().empty() ? target : Action() + "*" + target);
      } else if (OnEnlargePicture) {
        OnEnlargePicture(CurrentFile(), target);
      } else {
        std::string file, anchor;
        SplitAnchor(target, file, anchor);
        ShowPicture(CurrentFile(), file);
      }
      return;
    case LinkKind::Page:
      SyncTree(LinkFile(target));
      Follow(target);
      return;
    case LinkKind::InPage:
      Follow(target);
      return;
    case LinkKind::Other:
      CurrentPlatform().ShellOpen(target, "", "open");
      return;
  }
}

void TSkHtml::Follow(const std::string& target) {
  std::string file, anchor;
  SplitAnchor(target, file, anchor);
  if (file.empty()) {
    Viewer()->scrollToAnchor(ToQ(anchor));
    UpdateBars();
    return;
  }
  const std::string full = JoinPath(file, ResourceBase());
  LoadPage(anchor.empty() ? full : full + "#" + anchor);
}

void TSkHtml::SyncTree(const std::string& page) {
  if (!tree_) return;
  std::string a = JoinPath(page, GetProgramDir());
  if (!PackFileExists(a)) a = JoinPath(page, ExtractFilePath(CurrentFile()));
  const std::string n = StripProgramDir(a);
  if (!SamePageName(n, tree_->CurrentPage())) tree_->SelectNodeSilently(tree_->FindNodeByPage(n));
}

bool TSkHtml::FindText(const std::string& text) {
  if (text.empty()) return false;
  QTextBrowser* v = Viewer();
  const QTextCursor saved = v->textCursor();
  const QString t = ToQ(text);
  bool found = v->find(t);
  if (!found) {
    QTextCursor top(v->document());
    top.movePosition(QTextCursor::Start);
    v->setTextCursor(top);
    found = v->find(t);
    if (!found) v->setTextCursor(saved);
  }
  UpdateBars();
  return found;
}

std::string TSkHtml::ShowPicture(const std::string& base, const std::string& picture) {
  const std::string path = JoinPath(picture, ExtractFilePath(base));
  LoadBuffer("<img src=\"" + path + "\">");
  return path;
}

void TSkHtml::HtmlLoad(const std::string& page) {
  SyncTree(page);
  LoadPage(page);
}

void TSkHtml::HtmlBack() {
  SetHistoryIndex(HistoryIndex() + 1);
  SyncTree(CurrentFile());
}

void TSkHtml::HtmlForward() {
  SetHistoryIndex(HistoryIndex() - 1);
  SyncTree(CurrentFile());
}

void TSkHtml::HtmlCopy() { Viewer()->copy(); }

void TSkHtml::HtmlSelAll() {
  Viewer()->setFocus();
  Viewer()->selectAll();
}

void TSkHtml::HistoryChanged() {
  if (title_label_ && HistoryIndex() < HistoryCount()) title_label_->SetCaption(HistoryItem(HistoryIndex()).title);
  UpdateBars();
}

bool TSkHtml::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Viewer()->viewport()) return THtmlEx::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* m = static_cast<QMouseEvent*>(event);
      if (OnMoveWindow) {
        OnMoveWindow(m->button());
      } else if (move_cursor_) {
        drag_x_ = static_cast<int>(m->position().x());
        drag_y_ = static_cast<int>(m->position().y());
        dragging_ = true;
      }
      break;
    }
    case QEvent::MouseMove:
      if (move_cursor_ && dragging_) {
        auto* m = static_cast<QMouseEvent*>(event);
        const int x = static_cast<int>(m->position().x());
        const int y = static_cast<int>(m->position().y());
        // Integer division truncates toward zero: small offsets do not move.
        QScrollBar* h = Viewer()->horizontalScrollBar();
        QScrollBar* v = Viewer()->verticalScrollBar();
        h->setValue(h->value() + (drag_x_ - x) / 10);
        v->setValue(v->value() + (drag_y_ - y) / 10);
        UpdateBars();
      }
      break;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      clicked_href_ = Viewer()->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      break;
    default:
      break;
  }
  return false;
}

namespace {

RElementClass MakeHtmlClass() {
  using H = TSkHtml;
  RElementClass c;
  c.Type = "html";
  c.Make = [](QWidget* parent, const std::string&, TElementHost& host) {
    auto* html = new TSkHtml(parent);
    html->OnCommand = [&host](const RHelpAction& r) { host.DispatchFromEvent(r); };
    // Picture links open the enlarged-picture window over the page's window.
    html->OnEnlargePicture = [html](const std::string& page, const std::string& picture) {
      ShowEnlargedPicture(page, picture, html->window());
    };
    return html;
  };
  c.Keys = {
      ActionKey(),
      Key<H>("load", [](H& h, const TKeyValue& v) { h.LoadPage(v.Text()); }),
      Key<H>("move_cursor", [](H& h, const TKeyValue& v) { h.SetMoveCursor(v.Bool()); }),
      // The press moves the window instead of scrolling the page.
      Key<H>("move", [](H& h, const TKeyValue& v) {
        TSkForm* window = v.Host().Window();
        if (v.Bool()) h.OnMoveWindow = [window](Qt::MouseButton b) { window->FormMouseDown(b); };
        else h.OnMoveWindow = nullptr;
      }),
      Key<H>("menu", [](H& h, const TKeyValue& v) {
        if (auto* m = v.ElementAs<QMenu>()) h.SetContextMenu(m);
      }),
      Key<H>("link_tree", [](H& h, const TKeyValue& v) {
        if (auto* t = v.ElementAs<TSkTree>()) h.SetContentsTree(t);
      }),
      // The checkable tree comes with its own element; until then the name is only looked up.
      Key<H>("link_tree_ex", [](H&, const TKeyValue& v) { v.Element(); }),
      Key<H>("label_title", [](H& h, const TKeyValue& v) {
        if (auto* l = v.ElementAs<TSkLabel>()) h.SetTitleLabel(l);
      }),
      // The view's default font: pages loaded from now on use it.
      Key<H>("font_name", [](H& h, const TKeyValue& v) {
        QFont f = h.Viewer()->document()->defaultFont();
        f.setFamily(ToQ(v.Text()));
        h.Viewer()->document()->setDefaultFont(f);
      }),
      Key<H>("font_size", [](H& h, const TKeyValue& v) {
        QFont f = h.Viewer()->document()->defaultFont();
        f.setPointSize(v.Number());
        h.Viewer()->document()->setDefaultFont(f);
      }),
      // Read as numbers and kept; they change nothing.
      Key<H>("min_width", [](H&, const TKeyValue& v) { v.Number(); }),
      Key<H>("min_height", [](H&, const TKeyValue& v) { v.Number(); }),
      AnchorKey(),
  };
  c.Commands = {
      Command<H>("html_load", [](H& h, const RCommandCall& call) { h.HtmlLoad(call.P2); }),
      Command<H>("html_back", [](H& h, const RCommandCall&) { h.HtmlBack(); }),
      Command<H>("html_forward", [](H& h, const RCommandCall&) { h.HtmlForward(); }),
      Command<H>("html_go_history", [](H& h, const RCommandCall& call) { h.HtmlGoHistory(StrToInt(call.P2)); }),
      Command<H>("html_go_top", [](H& h, const RCommandCall&) { h.HtmlGoTop(); }),
      Command<H>("html_copy", [](H& h, const RCommandCall&) { h.HtmlCopy(); }),
      Command<H>("html_sel_all", [](H& h, const RCommandCall&) { h.HtmlSelAll(); }),
      Command<H>("html_print", [](H& h, const RCommandCall&) { PrintWithDialog(h); }),
      Command<H>("html_preview", [](H& h, const RCommandCall&) { ShowPrintPreview(h.window(), &h); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeHtmlClass());

}  // namespace remont
