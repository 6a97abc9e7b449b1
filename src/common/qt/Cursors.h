// Mouse cursors of the key cursor: the platform's named cursors (crHandPoint,
// crHourGlass, ...) and the program's own cursors 140 to 144 (magnifiers and
// hands), registered again by every build.
#pragma once

#include <QCursor>
#include <string>

namespace remont {

void RegisterCursors();
// The program's own cursor of that number (registered first when it is not
// yet), an arrow for any other number.
constexpr int kZoomInCursor = 141;  // "ZOOM_IN"
QCursor ProgramCursor(int number);
// A cursor name (any letter case) or number; ok is false for a text that is neither.
QCursor CursorFor(const std::string& text, bool& ok);

}  // namespace remont
