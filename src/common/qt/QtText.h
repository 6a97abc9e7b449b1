// The one boundary between the system's Windows-1251 text and Qt's strings.
#pragma once

#include <QString>
#include <string>

#include "common/Cp1251.h"

namespace remont {

inline QString ToQ(const std::string& text) { return QString::fromStdString(Cp1251ToUtf8(text)); }
inline std::string FromQ(const QString& text) { return Utf8ToCp1251(text.toStdString()); }

}  // namespace remont
