// The position keys every section shares (top, left, width, height, enabled,
// cursor, visible, align), the window's section included. The engine applies
// them first, from the last written to the first.
#pragma once

#include <QWidget>

#include "elements/qt/ElementClass.h"

namespace remont {

// Applies one shared key. The window takes its position and size but not
// visible or align (its own keys show it; it has no container).
void ApplySharedKey(QWidget& w, bool is_window, const TKeyValue& value);

}  // namespace remont
