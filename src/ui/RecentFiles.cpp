#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "EditorSettings.h"

namespace {
const QString kKey = QStringLiteral("recentFiles");

// The same file however it was reached, so that it is listed once.
QString canonical(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}
}  // namespace

RecentFiles::RecentFiles(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {
  clear_ = new QAction(tr("&Clear list"), this);
  connect(clear_, &QAction::triggered, this, &RecentFiles::clear);
  connect(menu_, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
  fillMenu();
}

QStringList RecentFiles::files() const {
  return EditorSettings().value(kKey).toStringList().mid(0, kLimit);
}

void RecentFiles::add(const QString& path) {
  const QString file = canonical(path);
  QStringList list = files();
  list.removeAll(file);
  list.prepend(file);
  store(list.mid(0, kLimit));
}

void RecentFiles::remove(const QString& path) {
  QStringList list = files();
  list.removeAll(canonical(path));
  store(list);
}

void RecentFiles::clear() {
  store({});
}

void RecentFiles::store(const QStringList& list) {
  EditorSettings().setValue(kKey, list);
  fillMenu();
}

void RecentFiles::fillMenu() {
  // Later, not now: the list changes from inside an item's triggered().
  for (QAction* old : menu_->actions()) {
    menu_->removeAction(old);
    if (old != clear_) old->deleteLater();
  }
  const QStringList list = files();
  for (int i = 0; i < list.size(); ++i) {
    const QString& file = list[i];
    // The number is the item's key; a "&" in the path is shown, not taken as one.
    const QString shown = QDir::toNativeSeparators(file).replace(u'&', QStringLiteral("&&"));
    QAction* item = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    item->setEnabled(QFileInfo::exists(file));
    connect(item, &QAction::triggered, this, [this, file] { emit chosen(file); });
  }
  if (!list.isEmpty()) menu_->addSeparator();
  menu_->addAction(clear_);
  clear_->setEnabled(!list.isEmpty());
}
