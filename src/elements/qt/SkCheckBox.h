// type check_box: raises its action with "1" or "0" and, before that, enables
// or disables the elements it controls (looked up by name when clicked).
#pragma once

#include <QCheckBox>
#include <string>
#include <vector>

#include "elements/qt/Element.h"

namespace remont {

class TSkCheckBox : public QCheckBox, public TElement {
  Q_OBJECT

 public:
  // The caption starts as the section name.
  explicit TSkCheckBox(QWidget* parent = nullptr, const std::string& section = std::string());
  void SetCaption(const std::string& caption);
  void SetEnableControls(const std::string& text);
  const std::vector<std::string>& ControlledNames() const { return controlled_; }
  RHelpAction ClickRequest(TElementHost& host) override;

 private:
  std::vector<std::string> controlled_;
};

}  // namespace remont
