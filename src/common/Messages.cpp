#include "common/Messages.h"

#include "common/Cp1251.h"

namespace remont::msg {

std::string FileNotFound(const std::string& name) { return Ru("Не найден файл \r\n") + name; }
std::string BadSignature() { return Ru("Неверная сигнатура архива"); }
std::string PageNotFound(const std::string& name) { return Ru("Не найден файл: ") + name; }
std::string MainCaption() { return Ru("Ремонт"); }
std::string PrinterNotFound() { return Ru("Принтер не найден."); }
std::string StatusCaption() { return Ru("Статус"); }
std::string PageNumber(int n) { return Ru("Номер страницы ") + std::to_string(n); }
std::string Formatting() { return Ru("Форматирование"); }
std::string CancelCaption() { return Ru("Отмена"); }
std::string GoToPageCaption() { return Ru("Перейти на страницу"); }
std::string PrintFailed(const std::string& printer) {
  return Ru("Не удалось напечатать на принтере «") + printer + Ru("»: принтер не принял задание или файл не записан.");
}
std::string PictureUnreadable(const std::string& name) { return Ru("Не удаётся прочитать рисунок ") + name; }
std::string PictureNotWritten(const std::string& file, const std::string& reason) {
  return Ru("Не удаётся записать файл ") + file + ": " + reason;
}
std::string EnterText() { return Ru("Введите текст"); }
std::string TextNotFound() { return Ru("Текст не найден"); }
std::string FindCaption() { return Ru("Искать"); }
std::string StopCaption() { return Ru("Стоп"); }

std::string NoData(const std::string& fileName) {
  return Ru("Нету данных в ") + fileName + Ru(". Это безусловно End...");
}
std::string UnknownType(const std::string& section, const std::string& type) {
  return Ru("MakeObject. Объект ") + section + Ru(" имеет неизвестный тип ") + type;
}
std::string NoKeyTable(const std::string& section, const std::string& type) {
  return Ru("SetProperty. Объект ") + section + Ru(" имеет неизвестный тип ") + type;
}
std::string GetControlNotFound(const std::string& name) { return Ru("GetControl. Не найден контрол: ") + name; }
std::string GetComponentNotFound(const std::string& name) {
  return Ru("GetComponent. Не найден контрол: ") + name;
}

}  // namespace remont::msg

namespace remont::msg {
std::string NotIdentifier(const std::string& name) {
  return Ru("Имя элемента \"") + name + Ru("\" не является идентификатором");
}
std::string DuplicateName(const std::string& name) {
  return Ru("Элемент с именем ") + name + Ru(" уже существует");
}
std::string CommandLoop(const std::string& action) {
  return Ru("DispatchAction. Команды вызывают друг друга без конца: ") + action;
}
std::string MenuShowNotFound(const std::string& name) { return Ru("menu_show. Не найден контрол ") + name; }
std::string EnableControlHint(const std::string& name) {
  return Ru("Проверте параметр enable_control для чекьокса ") + name;
}
std::string CannotOpenFile(const std::string& name) { return Ru("Не удаётся открыть файл ") + name; }
std::string NoFavoriteMenu() { return Ru("AddFavorite. Укажите меню которое хранит избранное (favorite)"); }
std::string FavoriteMenuWithoutAction(const std::string& menu) {
  return menu + Ru(".AddFavorite. Пропишите в меню glob_action для работы избранного");
}
std::string ReadFavoriteNoPath() { return Ru("ReadFavorite. Укажите путь в реестре (reg_dat для form)"); }
std::string RegistryPathMissing() { return Ru("WriteReg. Укажите путь в реестре (reg_dat для form)"); }
std::string MenuParamsMissing(const std::string& section) {
  return Ru("Для меню ") + section + Ru(" надо указать все параметры:") + "\r\n" + Ru("Caption, Action и можно Key");
}
}  // namespace remont::msg
