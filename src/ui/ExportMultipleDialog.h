#pragma once

#include <QDialog>
#include <QHash>
#include <QList>

#include "Prompts.h"
#include "Volumes.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Export multiple buttons...": the file type, the name prefix and the directory of an
// export of one file per caption. Made once and kept, so its choices last while the
// program runs.
//
// The directory list shows the path from the volume's mount point down to the current
// directory, then the directories inside it; a double-click (or Enter) on any of them makes
// it the current one, Backspace goes up one. The drive chooser switches to a volume's own
// current directory: the last one used there, or its mount point.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr, QList<Volume> volumes = MountedVolumes(),
                  Prompts& prompts = Prompts::standard());

  QGroupBox* GroupBox1;
  QRadioButton* RadioButton1;  // "JPEG"
  QRadioButton* RadioButton2;  // "BMP"
  QGroupBox* GroupBox2;
  QLineEdit* Edit1;  // the name prefix
  QLabel* Label1;    // the example name
  QGroupBox* GroupBox3;
  QComboBox* RzDriveComboBox1;
  QTreeWidget* RzDirectoryListBox1;
  QPushButton* BitBtn1;  // "&Export"
  QPushButton* BitBtn2;  // "&Cancel"
  QMenu* PopupMenu1;
  QAction* Makedir1;

  // The example name under the prefix, for the file type chosen.
  void Edit1Change();
  // Asks for a name and makes that directory inside the current one, which it enters.
  void Makedir1Click();

  // The current directory: an absolute path without a trailing separator, except "/".
  QString directory() const { return directory_; }
  void setDirectory(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void volumeChosen(int index);
  void itemActivated(QTreeWidgetItem* item);
  void showError(const QString& text);

  Prompts& prompts_;
  QList<Volume> volumes_;
  QHash<QString, QString> volumeDirectories_;  // each volume's current directory
  QString directory_;
};
