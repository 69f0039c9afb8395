#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The design files last opened or saved, newest first, at most kLimit, kept in the editor's
// settings (so every window and run shares them), and the menu that offers them: one item
// per file, greyed out while the file is missing, then "Clear list".
class RecentFiles : public QObject {
  Q_OBJECT

 public:
  static constexpr int kLimit = 8;

  // Fills `menu` now, on every change and whenever it opens (a file may have come or gone).
  explicit RecentFiles(QMenu* menu, QObject* parent = nullptr);

  QStringList files() const;
  // Puts `path` first (moving it up when it is listed already).
  void add(const QString& path);
  void remove(const QString& path);
  void clear();

  QAction* clearAction() const { return clear_; }

 signals:
  void chosen(const QString& path);

 private:
  void store(const QStringList& files);
  void fillMenu();

  QMenu* menu_;
  QAction* clear_;
};
