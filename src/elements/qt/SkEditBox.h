// type edit_box: a single-line edit box, optionally numeric with a lower
// limit pushed from a linked box; raises its action on Enter.
#pragma once

#include <QLineEdit>
#include <string>

#include "elements/ControlRules.h"
#include "elements/qt/Element.h"

namespace remont {

class TSkEditBox : public QLineEdit, public TElement, public TNumberRule {
  Q_OBJECT

 public:
  explicit TSkEditBox(QWidget* parent = nullptr);
  // The key min_link: only a numeric box is linked.
  void SetMinLink(TSkEditBox* box) { TNumberRule::SetMinLink(box); }
  std::string Text() const;
  void SetText(const std::string& text);

  // Enter (virtual key 13) raises the action unchanged: the command's handler
  // reads the box by name.
  std::string KeyAction(int virtual_key) const override;

 protected:
  std::string NumberText() const override;
  void SetNumberText(const std::string& text) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace remont
