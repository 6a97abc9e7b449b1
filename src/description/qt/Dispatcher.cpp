// The dispatcher: a command string is parsed and its commands run in order,
// each found in one table of command name -> handler. A command of an element
// type looks its element up by parameter 1 in that type's list; the engine's
// own commands act on the window and the program. The first command nobody
// knows goes, with the rest of the string, to the owner's handler.
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <cassert>
#include <map>

#include "common/Command.h"
#include "common/ConvertError.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "description/qt/SkStract.h"
#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/FrmForm.h"
#include "elements/qt/SkForm.h"
#include "pages/qt/SkImage.h"

namespace remont {
namespace {

// Commands that click buttons can call each other; deeper than this is a loop.
constexpr int kMaxDispatchDepth = 32;

// Maximising and restoring are asked of the window system, which resizes the
// window afterwards: the pictures take their fitting back once the window has
// its new size and its page is laid out, or after a second when no resize comes.
class TFitsAfterResize : public QObject {
 public:
  static constexpr char kName[] = "fitsAfterResize";
  TFitsAfterResize(TSkStract* engine, QWidget* window) : QObject(engine), engine_(engine), window_(window) {
    setObjectName(kName);
    window_->installEventFilter(this);
    QTimer::singleShot(1000, this, [this] { Finish(); });
  }
  ~TFitsAfterResize() override {
    if (window_) window_->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Resize) QTimer::singleShot(0, this, [this] { Finish(); });
    return false;
  }

 private:
  void Finish() {
    if (done_) return;
    done_ = true;
    engine_->RestoreImageFits();
    deleteLater();
  }

  TSkStract* engine_;
  QPointer<QWidget> window_;
  bool done_ = false;
};

}  // namespace

const std::vector<TSkStract::REngineCommand>& TSkStract::EngineCommands() {
  static const std::vector<REngineCommand> table = {
      {"form_close", &TSkStract::CmdFormClose}, {"form_mini", &TSkStract::CmdFormMini},
      {"form_maxi", &TSkStract::CmdFormMaxi},   {"form_show", &TSkStract::CmdFormShow},
      {"run", &TSkStract::CmdRun},              {"help_id", &TSkStract::CmdHelpId},
      {"help", &TSkStract::CmdHelp},            {"test", &TSkStract::CmdTest},
      {"visible", &TSkStract::CmdVisible},      {"enabled", &TSkStract::CmdEnabled},
      {"menu_show", &TSkStract::CmdMenuShow},   {"menu_del_favore", &TSkStract::CmdMenuDelFavore},
      {"tree_add_favorite", &TSkStract::CmdTreeAddFavorite},
      {"tree_del_favorite", &TSkStract::CmdTreeDelFavorite},
  };
  return table;
}

std::vector<std::string_view> TSkStract::EngineCommandNames() {
  std::vector<std::string_view> names;
  for (const REngineCommand& c : EngineCommands()) names.push_back(c.Name);
  return names;
}

// One entry per command name: an engine command, or an element type's.
struct RDispatchEntry {
  std::string_view type;                     // the type parameter 1 names; empty for the engine's
  const RCommandHandler* element = nullptr;  // the type's handler
  bool (TSkStract::*engine)(const RCommandCall&) = nullptr;
};

void TSkStract::DispatchAction(const RHelpAction& request) {
  static const std::map<std::string, RDispatchEntry, std::less<>> table = [] {
    std::map<std::string, RDispatchEntry, std::less<>> t;
    for (const REngineCommand& c : EngineCommands()) t[std::string(c.Name)] = {{}, nullptr, c.Run};
    for (const RElementClass& cls : ElementClasses())
      for (const RCommandHandler& h : cls.Commands) {
        assert(t.count(h.Name) == 0 && "a command answered twice");
        t[std::string(h.Name)] = {cls.Type, &h, nullptr};
      }
    return t;
  }();

  if (request.Action.empty()) return;
  if (dispatch_depth_ >= kMaxDispatchDepth) {
    ShowError(msg::CommandLoop(request.Action));
    return;
  }
  ++dispatch_depth_;
  QPointer<TSkStract> alive(this);
  // A command may end this engine's life (its window closed): then nothing of it is touched again.
  struct DepthGuard {
    QPointer<TSkStract>& engine;
    ~DepthGuard() {
      if (engine) --engine->dispatch_depth_;
    }
  } guard{alive};

  const TSkCommand commands(request.Action);
  for (int i = 0; i < commands.Count(); ++i) {
    const RCommand& c = commands.Commands()[static_cast<size_t>(i)];
    // Both parameters are read first: an open-file parameter asks even for a forwarded command.
    const std::string p1 = GetParam(c.Params, 0);
    const std::string p2 = GetParam(c.Params, 1);
    if (auto it = table.find(c.Name); it != table.end()) {
      const RCommandCall call{*this, c, p1, p2, request};
      const RDispatchEntry& entry = it->second;
      bool go_on = true;
      if (entry.element) {
        if (QObject* element = GetComponent(p1, entry.type)) entry.element->Run(*element, call);
      } else {
        go_on = (this->*entry.engine)(call);
      }
      if (!alive || !go_on) return;
      continue;
    }
    if (c.Name == "nil") continue;
    if (OnHelpAction) {
      RHelpAction forwarded = request;
      forwarded.Action = ForwardText(commands, i);
      OnHelpAction(forwarded);
      return;
    }
  }
}

void TSkStract::ExecuteCommand(const std::string& text) {
  RHelpAction request;
  request.Action = text;
  DispatchAction(request);
}

void TSkStract::DispatchFromEvent(const RHelpAction& request) {
  // An error must not leave a Qt event handler: it ends the dispatch and the
  // application's default error box shows it.
  try {
    DispatchAction(request);
  } catch (const std::exception& e) {
    CurrentPlatform().ShowErrorBox(e.what());
  }
}

void TSkStract::ElementClick(QObject* sender) {
  TElement* element = TElement::Of(sender);
  if (!element) return;
  const RHelpAction request = element->ClickRequest(*this);
  if (dispatch_depth_ == 0) DispatchFromEvent(request);
  else DispatchAction(request);
}

void TSkStract::ElementKeyDown(QObject* sender, int key, Qt::KeyboardModifiers) {
  const TElement* element = TElement::Of(sender);
  if (!element) return;
  RHelpAction request;
  request.Action = element->KeyAction(key);
  if (dispatch_depth_ == 0) DispatchFromEvent(request);
  else DispatchAction(request);
}

// ---------------------------------------------------------- engine commands

void TSkStract::SaveImageFits() {
  for (QObject* o : Elements("image"))
    if (auto* image = dynamic_cast<TSkImage*>(o)) image->SaveFitState();
}

void TSkStract::RestoreImageFits() {
  for (QObject* o : Elements("image"))
    if (auto* image = dynamic_cast<TSkImage*>(o)) image->RestoreFitState();
}

bool TSkStract::CmdFormClose(const RCommandCall& call) {
  // The fitting is put aside and not taken back: the window goes.
  SaveImageFits();
  if (!call.P1.empty()) {
    window_->done(StrToInt(call.P1));
    return true;
  }
  // Without a modal result the program ends: nothing after this command runs.
  window_->close();
  QCoreApplication::exit(0);
  return false;
}

bool TSkStract::CmdFormMini(const RCommandCall&) {
  if (window_->isMinimized()) window_->showNormal();
  else window_->showMinimized();
  return true;
}

bool TSkStract::CmdFormMaxi(const RCommandCall&) {
  // The pictures keep their size while the window changes, then fit the new
  // one. A change still under way keeps the fitting it put aside.
  if (!findChild<QObject*>(TFitsAfterResize::kName, Qt::FindDirectChildrenOnly)) {
    SaveImageFits();
    new TFitsAfterResize(this, window_);
  }
  if (window_->isMaximized()) window_->showNormal();
  else window_->showMaximized();
  window_->update();
  return true;
}

bool TSkStract::CmdFormShow(const RCommandCall& call) {
  if (call.P1.empty()) return true;
  auto* form = new TfrmFORM(window_);
  {
    // The engine goes before its window, so its state is saved and its elements freed first.
    std::unique_ptr<TSkStract> engine(new TSkStract(form, call.P1));
    try {
      engine->LoadStruct();
      engine->ShowPage();
      form->exec();
    } catch (...) {
      engine.reset();
      delete form;
      throw;
    }
  }
  delete form;
  return true;
}

bool TSkStract::CmdRun(const RCommandCall& call) {
  if (!call.P1.empty()) CurrentPlatform().RunProgram(GetProgramPath(call.P1), call.P2);
  return true;
}

bool TSkStract::CmdHelpId(const RCommandCall& call) {
  help_topic_ = call.P1;
  return true;
}

bool TSkStract::CmdHelp(const RCommandCall& call) {
  const std::string file = GetProgramPath(call.P1);
  if (!file.empty()) CurrentPlatform().ShowHelp(file, call.P2.empty() ? help_topic_ : call.P2);
  return true;
}

bool TSkStract::CmdTest(const RCommandCall& call) {
  CurrentPlatform().ShowMessage(call.P1 + "*" + call.P2, MessageKind::Plain);
  return true;
}

bool TSkStract::CmdVisible(const RCommandCall& call) {
  // A menu is not a control: it is found, and left as it is.
  auto* w = qobject_cast<QWidget*>(GetControl(call.P1));
  if (w && !w->isWindow()) {
    w->setVisible(ParseBool(call.P2, true));
    RequestAlign(w);
  }
  return true;
}

bool TSkStract::CmdEnabled(const RCommandCall& call) {
  if (auto* w = qobject_cast<QWidget*>(GetControl(call.P1))) w->setEnabled(ParseBool(call.P2, true));
  return true;
}

}  // namespace remont
