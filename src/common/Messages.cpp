#include "common/Messages.h"

#include "common/Cp1251.h"

namespace remont::msg {

std::string FileNotFound(const std::string& name) { return Ru("Не найден файл \r\n") + name; }
std::string BadSignature() { return Ru("Неверная сигнатура архива"); }
std::string PageNotFound(const std::string& name) { return Ru("Не найден файл: ") + name; }
std::string MainCaption() { return Ru("Ремонт"); }

std::string NoData(const std::string& fileName) {
  return Ru("Нету данных в ") + fileName + Ru(". Это безусловно End...");
}
std::string UnknownType(const std::string& section, const std::string& type) {
  return Ru("MakeObject. Объект ") + section + Ru(" имеет неизвестный тип ") + type;
}
std::string GetControlNotFound(const std::string& name) { return Ru("GetControl. Не найден контрол: ") + name; }
std::string GetComponentNotFound(const std::string& name) {
  return Ru("GetComponent. Не найден контрол: ") + name;
}

}  // namespace remont::msg
