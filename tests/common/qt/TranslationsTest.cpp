// Qt's own texts speak Russian once the translations are installed.
#include "common/qt/Translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace remont {
namespace {

TEST(Translations, StandardButtonsAndTheViewsMenuInRussian) {
  QTranslator* translator = InstallQtTranslations();
  ASSERT_NE(translator, nullptr) << "Qt's Russian translations are not installed";
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QString::fromUtf8("Да"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), QString::fromUtf8("Отмена"));
  // The page view's fallback menu.
  EXPECT_NE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), "&Copy");
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

}  // namespace
}  // namespace remont
