// The one boundary between the system's Windows-1251 strings and Qt's
// Unicode text: captions, texts shown, text typed by the user.
#pragma once

#include <QString>
#include <string>

namespace remont {

QString ToQ(const std::string& cp1251);
std::string FromQ(const QString& text);  // characters the code page lacks become '?'

}  // namespace remont
