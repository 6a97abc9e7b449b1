// TElement: what every element class shares, whatever Qt control it is made
// of. The action text it raises; the callbacks through which the engine that
// made it hears its click and its keys (elements hold no reference to their
// engine); what a click raises (each class puts its own value into its
// action); showing or hiding it; and the press that moves the window.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>

#include "common/HelpAction.h"

class QWidget;

namespace remont {

class TElementHost;

class TElement {
 public:
  virtual ~TElement() = default;

  // The element behind a Qt object; nullptr for anything that is not one.
  static TElement* Of(QObject* object);
  static const TElement* Of(const QObject* object);

  const std::string& Action() const { return action_; }
  void SetAction(const std::string& action) { action_ = action; }

  // The element's click (its own event: a button's click, a panel's double
  // click, a list's double click, a combo box's change...). The engine sets it.
  std::function<void()> OnClick;
  // Every key pressed in the element, as a virtual-key code.
  std::function<void(int virtual_key, Qt::KeyboardModifiers shift)> OnKeyDown;

  // What the click raises: by default the action unchanged; classes with a
  // value put it in. An empty Action raises nothing.
  virtual RHelpAction ClickRequest(TElementHost& host);
  // What a key raises; empty: nothing (an edit box raises its action on Enter).
  virtual std::string KeyAction(int virtual_key) const;
  // Visible becomes hidden and back.
  virtual void ShowOrHide();
  // Keys width and height: pixels (a parent panel also takes a percentage).
  // Throws ConvertError for a value that is not a number.
  virtual void SetWidthText(const std::string& text);
  virtual void SetHeightText(const std::string& text);

  // Press-to-move: a left press on the element hands the button to handler
  // (the window's drag handler when its moving key is on); nullptr removes it.
  void SetPressToMove(std::function<void(Qt::MouseButton)> handler);

 protected:
  void RaiseClick() {
    if (OnClick) OnClick();
  }
  void RaiseKeyDown(int virtual_key, Qt::KeyboardModifiers shift) {
    if (OnKeyDown) OnKeyDown(virtual_key, shift);
  }
  // The Qt widget this element is (nullptr for a menu item).
  QWidget* Widget();
  // ShowOrHide of panels and splitters: the left and top at hiding come back
  // when the element is shown again.
  void ShowOrHideInPlace();
  QPoint SavedPlace() const { return saved_place_; }

 private:
  std::string action_;
  QPoint saved_place_;
  QObject* press_filter_ = nullptr;
};

}  // namespace remont
