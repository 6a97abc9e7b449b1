// TfrmFORM: the generic window that form_show opens; its description gives
// it everything but its initial size.
#pragma once

#include "elements/qt/SkForm.h"

namespace remont {

class TfrmFORM : public TSkForm {
  Q_OBJECT

 public:
  explicit TfrmFORM(QWidget* owner = nullptr) : TSkForm(owner) {
    setObjectName("frmFORM");
    resize(783, 540);
  }
};

}  // namespace remont
