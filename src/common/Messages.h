// The system's own texts (Windows-1251), in one place so that the viewer,
// remont-tool and the tests use the same words.
#pragma once

#include <string>

namespace remont::msg {

// Content archive.
std::string FileNotFound(const std::string& name);  // "Не найден файл \r\n" + name
std::string BadSignature();                          // "Неверная сигнатура архива"

// Page view.
std::string PageNotFound(const std::string& name);  // "Не найден файл: " + name

// Window captions.
std::string MainCaption();  // "Ремонт"

// Printing.
std::string PrinterNotFound();  // "Принтер не найден."
std::string StatusCaption();    // "Статус"
std::string PageNumber(int n);  // "Номер страницы " + n
std::string Formatting();       // "Форматирование"
std::string CancelCaption();    // "Отмена"
std::string GoToPageCaption();  // "Перейти на страницу"
// A print that could not start or whose file could not be written.
std::string PrintFailed(const std::string& printer);

// Pictures.
std::string PictureUnreadable(const std::string& name);  // "Не удаётся прочитать рисунок " + name
// "Не удаётся записать файл " + file + ": " + reason
std::string PictureNotWritten(const std::string& file, const std::string& reason);

// Search and thesaurus.
std::string EnterText();     // "Введите текст"
std::string TextNotFound();  // "Текст не найден"
std::string FindCaption();   // "Искать"
std::string StopCaption();   // "Стоп"

// Description engine.
std::string NoData(const std::string& fileName);  // "Нету данных в " + name + ". Это безусловно End..."
std::string UnknownType(const std::string& section, const std::string& type);  // "MakeObject. Объект ..."
std::string NoKeyTable(const std::string& section, const std::string& type);   // "SetProperty. Объект ..."
std::string GetControlNotFound(const std::string& name);    // "GetControl. Не найден контрол: " + name
std::string GetComponentNotFound(const std::string& name);  // "GetComponent. Не найден контрол: " + name

}  // namespace remont::msg

namespace remont::msg {
// Description engine and dispatcher.
std::string NotIdentifier(const std::string& name);   // an element name that is not an identifier
std::string DuplicateName(const std::string& name);   // a name taken under the same owner
std::string CommandLoop(const std::string& action);   // commands nested too deep (a button clicking itself)
std::string MenuShowNotFound(const std::string& name);  // "menu_show. Не найден контрол " + name
std::string EnableControlHint(const std::string& name);  // "Проверте параметр enable_control для чекьокса " + name
std::string MenuParamsMissing(const std::string& section);  // BuildMenu's message
std::string CannotOpenFile(const std::string& name);
// Favourites and the settings store.
std::string NoFavoriteMenu();                                   // "AddFavorite. Укажите меню ..."
std::string FavoriteMenuWithoutAction(const std::string& menu);  // menu + ".AddFavorite. Пропишите ..."
std::string ReadFavoriteNoPath();                               // "ReadFavorite. Укажите путь в реестре ..."
std::string RegistryPathMissing();                              // "WriteReg. Укажите путь в реестре ..."  // the file error: "Не удаётся открыть файл " + name
}  // namespace remont::msg
