#include "common/qt/QtPlatform.h"

#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>

#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/SiblingLink.h"
#include "common/qt/QtText.h"
#include "common/qt/SystemPrinter.h"

namespace remont {
namespace {

QString BoxTitle() {
  const QString title = qApp->property("remontTitle").toString();
  return title.isEmpty() ? QApplication::applicationName() : title;
}

// The description's reg_dat path is a registry path: "\" separates its keys.
QString Key(const std::string& group, const std::string& name) {
  QString g = ToQ(group);
  g.replace('\\', '/');
  while (g.endsWith('/')) g.chop(1);
  while (g.startsWith('/')) g.remove(0, 1);
  return g.isEmpty() ? ToQ(name) : g + "/" + ToQ(name);
}

QString DiskPath(const std::string& file) {
  if (auto found = FindLooseFile(file)) return QString::fromStdString(*found);
  QString p = ToQ(file);
  p.replace('\\', '/');
  return p;
}

}  // namespace

// Errors also go to the standard error stream, for whoever started the
// viewer (a script, a test, a terminal) and cannot see the box.
static void LogError(const std::string& text) {
  const std::string line = "remont: " + Cp1251ToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

QtPlatform::QtPlatform(const QString& settings_file)
    : settings_(settings_file.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Remont", "Remont")
                    : std::make_unique<QSettings>(settings_file, QSettings::IniFormat)) {}

QtPlatform::~QtPlatform() = default;


void QtPlatform::ShowMessage(const std::string& text, MessageKind kind) {
  if (kind == MessageKind::Error) LogError(text);
  QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  BoxTitle(), ToQ(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  if (kind == MessageKind::Error) box.setStandardButtons(QMessageBox::Yes);
  box.exec();
}

void QtPlatform::ShowErrorBox(const std::string& text) {
  LogError(text);
  QMessageBox::critical(QApplication::activeWindow(), BoxTitle(), ToQ(text));
}

std::string QtPlatform::OpenFileDialog(const std::string& filter) {
  const QString f = ToQ(filter);
  const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                    f.isEmpty() ? QString() : f + ";;*");
  return FromQ(file);
}

std::string QtPlatform::SaveFileDialog(const std::string& filter) {
  const QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), QString(), ToQ(filter));
  return FromQ(file);
}

void QtPlatform::ShellOpen(const std::string& file, const std::string&, const std::string&) {
  const QString f = ToQ(file);
  const bool is_url = f.contains("://") || f.startsWith("mailto:", Qt::CaseInsensitive);
  QDesktopServices::openUrl(is_url ? QUrl(f) : QUrl::fromLocalFile(DiskPath(file)));
}

void QtPlatform::RunProgram(const std::string& file, const std::string& arguments) {
  const QString program = DiskPath(file);
  QProcess::startDetached(program, QProcess::splitCommand(ToQ(arguments)), QFileInfo(program).absolutePath());
}

std::string QtPlatform::DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  return info.isNull() ? std::string() : FromQ(info.printerName());
}

bool QtPlatform::ReadSetting(const std::string& group, const std::string& name, std::string& value) {
  const QString key = Key(group, name);
  if (!settings_->contains(key)) return false;
  value = FromQ(settings_->value(key).toString());
  return true;
}

void QtPlatform::WriteSetting(const std::string& group, const std::string& name, const std::string& value) {
  settings_->setValue(Key(group, name), ToQ(value));
  settings_->sync();
}

void QtPlatform::DeleteSetting(const std::string& group, const std::string& name) {
  settings_->remove(Key(group, name));
  settings_->sync();
}

bool QtPlatform::PrintDialog(RPrintRange& range) {
  QPrinter& printer = SystemPrinter();
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  dialog.setOptions(QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(range.min_page, range.max_page);
  printer.setFromTo(range.from, range.to);
  if (dialog.exec() != QDialog::Accepted) return false;
  range.all = dialog.printRange() != QAbstractPrintDialog::PageRange;
  range.from = printer.fromPage();
  range.to = printer.toPage();
  return true;
}

QUrl HelpUrl(const std::string& file, const std::string& topic) {
  QUrl url = QUrl::fromLocalFile(DiskPath(file));
  if (!topic.empty()) url.setFragment(ToQ(topic));
  return url;
}

void QtPlatform::ShowHelp(const std::string& file, const std::string& topic) {
  QDesktopServices::openUrl(HelpUrl(file, topic));
}

void QtPlatform::SetWallpaper(const std::string& file) {
  const QString gsettings = QStandardPaths::findExecutable("gsettings");
  if (gsettings.isEmpty()) return;
  const QString uri = QUrl::fromLocalFile(QFileInfo(DiskPath(file)).absoluteFilePath()).toString();
  QProcess::startDetached(gsettings, {"set", "org.gnome.desktop.background", "picture-uri", uri});
}

void QtPlatform::CloseSibling() {
  const std::string path = SiblingSocketPath();
  if (path.empty()) return;
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(path));
  if (!socket.waitForConnected(200)) return;  // no sibling runs
  socket.write(kSiblingClose.data(), static_cast<qint64>(kSiblingClose.size()));
  socket.waitForBytesWritten(200);
  socket.disconnectFromServer();
}

}  // namespace remont
