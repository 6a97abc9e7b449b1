#include "common/Messages.h"

#include "common/Cp1251.h"

namespace remont::msg {

std::string FileNotFound(const std::string& name) { return Ru("Не найден файл \r\n") + name; }
std::string BadSignature() { return Ru("Неверная сигнатура архива"); }
std::string PageNotFound(const std::string& name) { return Ru("Не найден файл: ") + name; }
std::string MainCaption() { return Ru("Ремонт"); }

}  // namespace remont::msg
