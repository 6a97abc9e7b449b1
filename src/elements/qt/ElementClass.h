// The Qt side of the element type table: for each `type` the class that makes
// its element, a setter for each of its keys and a handler for each command it
// answers. The key names and the syntax of their values are the core table's
// (elements/ElementTypes.h); a class only attaches what Qt does with them.
//
// Each element class registers itself in its own source file, next to the
// class, with one line:
//   REMONT_ELEMENT_CLASS(MakeButtonClass());
// and the engine finds it by type (FindElementClass).
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Command.h"
#include "common/HelpAction.h"
#include "elements/ElementTypes.h"

class QWidget;

namespace remont {

class TSkForm;
class TSkSkin;

// What the keys and commands of an element need of the engine that made it.
class TElementHost {
 public:
  virtual ~TElementHost() = default;
  // An element of this engine by name, of one type ("" any); a name that finds
  // nothing is reported through the error report and gives nullptr.
  virtual QObject* GetComponent(const std::string& name, std::string_view type) = 0;
  // The same without the report.
  virtual QObject* FindComponent(const std::string& name, std::string_view type) const = 0;
  virtual void ShowError(const std::string& text) = 0;
  virtual TSkForm* Window() const = 0;
  virtual TSkSkin& Skin() = 0;
  // The engine's element click: the sender's click request is dispatched.
  virtual void ElementClick(QObject* sender) = 0;
  // A request raised from inside an element (a link, a movie): dispatched,
  // its errors shown by the default error box.
  virtual void DispatchFromEvent(const RHelpAction& request) = 0;
};

// A key's value, read by the key's syntax.
class TKeyValue {
 public:
  TKeyValue(const RElementKey& key, const std::string& text, TElementHost& host)
      : key_(key), text_(text), host_(host) {}

  const std::string& Text() const { return text_; }
  // Throws ConvertError for a value that is not one.
  int Number() const;
  int Colour() const;
  // The key's default for anything not recognised.
  bool Bool() const;
  // The element the value names, of the key's type; reported and nullptr when none.
  QObject* Element() const { return host_.GetComponent(text_, key_.Target); }
  template <class T>
  T* ElementAs() const {
    return dynamic_cast<T*>(Element());
  }
  TElementHost& Host() const { return host_; }
  const RElementKey& Key() const { return key_; }

 private:
  const RElementKey& key_;
  const std::string& text_;
  TElementHost& host_;
};

using KeySetter = std::function<void(QObject& element, const TKeyValue& value)>;

struct RKeySetter {
  std::string_view Name;
  KeySetter Set;
};

// A key setter written for the element's own class.
template <class T, class F>
RKeySetter Key(std::string_view name, F set) {
  return {name, [set](QObject& o, const TKeyValue& v) { set(static_cast<T&>(o), v); }};
}

struct RCommandCall {
  TElementHost& Host;
  const RCommand& Command;
  const std::string& P1;  // parameters 1 and 2, read by GetParam
  const std::string& P2;
  const RHelpAction& Request;
};

// A command of the type: parameter 1 names the element (looked up in the
// type's list by the dispatcher, which reports a name that finds none).
using CommandRun = std::function<void(QObject& element, const RCommandCall& call)>;

struct RCommandHandler {
  std::string_view Name;
  CommandRun Run;
};

template <class T, class F>
RCommandHandler Command(std::string_view name, F run) {
  return {name, [run](QObject& o, const RCommandCall& c) { run(static_cast<T&>(o), c); }};
}

struct RElementClass {
  std::string_view Type;
  // Makes the element under parent (menus and media: the window owns them),
  // with the settings of its creation; the engine names and lists it.
  std::function<QObject*(QWidget* parent, const std::string& section, TElementHost& host)> Make;
  std::vector<RKeySetter> Keys;
  std::vector<RCommandHandler> Commands;
  // A step after every key of the section, whatever the key.
  std::function<void(QObject& element, TElementHost& host)> AfterEachKey;
  // After the whole section.
  std::function<void(QObject& element)> AfterKeys;
  // The class of this type comes later: its keys beside those set here are
  // read by the checker only, and the viewer ignores them.
  bool KeysPending = false;
};

bool RegisterElementClass(RElementClass element_class);
const RElementClass* FindElementClass(std::string_view type);
const std::vector<RElementClass>& ElementClasses();

// Setters that many types share.
RKeySetter ActionKey();   // the element's action text
RKeySetter AnchorKey();   // ApplyAnchor
RKeySetter HintKey();     // the hint text
RKeySetter FontKey();     // ParseFont on the element's font
RKeySetter CaptionKey();  // the caption (buttons, labels, boxes)
RKeySetter SkinKey();     // theme object only
RKeySetter SkinFileKey(); // theme object and, newly registered, the skin file
// The window's drag handler on a press when the window's moving key is on.
void AttachWindowDrag(QObject& element, TElementHost& host);

}  // namespace remont

#define REMONT_ELEMENT_CONCAT2(a, b) a##b
#define REMONT_ELEMENT_CONCAT(a, b) REMONT_ELEMENT_CONCAT2(a, b)
#define REMONT_ELEMENT_CLASS(expr)                                    \
  static const bool REMONT_ELEMENT_CONCAT(element_class_, __LINE__) = \
      ::remont::RegisterElementClass(expr)
