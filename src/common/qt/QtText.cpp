#include "common/qt/QtText.h"

#include "common/Cp1251.h"

namespace remont {

QString ToQ(const std::string& cp1251) { return QString::fromStdString(Cp1251ToUtf8(cp1251)); }

std::string FromQ(const QString& text) { return Utf8ToCp1251(text.toStdString()); }

}  // namespace remont
