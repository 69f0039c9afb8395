#include "ExportMultipleDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

#include "FormLook.h"
#include "OptionGroup.h"

namespace {
constexpr int kPathRole = Qt::UserRole;

QIcon volumeIcon(const QStyle* style, VolumeKind kind) {
  switch (kind) {
    case VolumeKind::Removable:
      return style->standardIcon(QStyle::SP_DriveFDIcon);
    case VolumeKind::Optical:
      return style->standardIcon(QStyle::SP_DriveCDIcon);
    case VolumeKind::Network:
      return style->standardIcon(QStyle::SP_DriveNetIcon);
    case VolumeKind::RamDisk:
      return style->standardIcon(QStyle::SP_ComputerIcon);
    case VolumeKind::Fixed:
      break;
  }
  return style->standardIcon(QStyle::SP_DriveHDIcon);
}

QString cleanDirectory(const QString& path) {
  return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
}  // namespace

TForm3::TForm3(QWidget* parent, QList<Volume> volumes, Prompts& prompts)
    : QDialog(parent), prompts_(prompts), volumes_(std::move(volumes)) {
  setWindowTitle(QStringLiteral("Export multiple buttons..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());
  setFixedSize(359, 374);
  if (const QScreen* display = QGuiApplication::primaryScreen()) {
    move(display->availableGeometry().center() - rect().center());
  }

  GroupBox1 = new QGroupBox(QStringLiteral("File type"), this);
  GroupBox1->setGeometry(8, 8, 113, 73);
  RadioButton1 = new QRadioButton(QStringLiteral("JPEG"), GroupBox1);
  RadioButton1->setGeometry(16, 22, 81, 17);
  RadioButton1->setChecked(true);
  RadioButton2 = new QRadioButton(QStringLiteral("BMP"), GroupBox1);
  RadioButton2->setGeometry(16, 46, 81, 17);

  GroupBox2 = new QGroupBox(QStringLiteral("File name"), this);
  GroupBox2->setGeometry(128, 8, 223, 73);
  Edit1 = new QLineEdit(QStringLiteral("button"), GroupBox2);
  Edit1->setGeometry(16, 20, 191, 21);
  Label1 = new QLabel(GroupBox2);
  Label1->setGeometry(16, 48, 191, 15);
  Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  GroupBox3 = new QGroupBox(QStringLiteral("Directory"), this);
  GroupBox3->setGeometry(8, 88, 343, 241);
  RzDriveComboBox1 = new QComboBox(GroupBox3);
  RzDriveComboBox1->setGeometry(16, 20, 311, 22);
  RzDirectoryListBox1 = new QTreeWidget(GroupBox3);
  RzDirectoryListBox1->setGeometry(16, 50, 311, 175);
  RzDirectoryListBox1->setHeaderHidden(true);
  RzDirectoryListBox1->setRootIsDecorated(false);
  RzDirectoryListBox1->setItemsExpandable(false);
  RzDirectoryListBox1->setIndentation(12);
  // The levels show by their indentation alone; nothing here folds or unfolds.
  RzDirectoryListBox1->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; }"));
  RzDirectoryListBox1->setUniformRowHeights(true);
  // Long names widen the list's one column and scroll sideways rather than being cut.
  RzDirectoryListBox1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  RzDirectoryListBox1->header()->setStretchLastSection(false);
  RzDirectoryListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  RzDirectoryListBox1->installEventFilter(this);

  PopupMenu1 = new QMenu(this);
  Makedir1 = PopupMenu1->addAction(QStringLiteral("Make dir..."));

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                            QStringLiteral("&Export"), this);
  BitBtn1->setGeometry(184, 340, 81, 25);
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                            QStringLiteral("&Cancel"), this);
  BitBtn2->setGeometry(270, 340, 81, 25);

  // Windows' check marks, as on the main window, so the captions sit as laid out.
  auto* marks = new FormStyle;
  marks->setParent(this);
  RadioButton1->setStyle(marks);
  RadioButton2->setStyle(marks);
  MakeOneTabStop({RadioButton1, RadioButton2});

  for (const Volume& volume : volumes_) {
    RzDriveComboBox1->addItem(volumeIcon(style(), volume.kind), volume.name);
  }

  connect(Edit1, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
  connect(RadioButton1, &QRadioButton::toggled, this, &TForm3::Edit1Change);
  connect(RadioButton2, &QRadioButton::toggled, this, &TForm3::Edit1Change);
  connect(RzDriveComboBox1, &QComboBox::activated, this, &TForm3::volumeChosen);
  connect(RzDirectoryListBox1, &QTreeWidget::itemActivated, this, &TForm3::itemActivated);
  connect(RzDirectoryListBox1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) {
            PopupMenu1->popup(RzDirectoryListBox1->viewport()->mapToGlobal(at));
          });
  connect(Makedir1, &QAction::triggered, this, &TForm3::Makedir1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

  Edit1Change();
  setDirectory(QDir::currentPath());
}

void TForm3::Edit1Change() {
  const QString ending = RadioButton1->isChecked() ? QStringLiteral("jpg") : QStringLiteral("bmp");
  Label1->setText(QStringLiteral("ex. ") + Edit1->text() + QStringLiteral("1.") + ending);
}

void TForm3::setDirectory(const QString& path) {
  directory_ = cleanDirectory(path);
  qsizetype volume = VolumeOf(volumes_, directory_);
  if (volume < 0) {
    // A path outside every known volume still lies below "/".
    volumes_.append({QStringLiteral("/"), QStringLiteral("/"), VolumeKind::Fixed});
    RzDriveComboBox1->addItem(volumeIcon(style(), VolumeKind::Fixed), QStringLiteral("/"));
    volume = volumes_.size() - 1;
  }
  const QString root = volumes_[volume].rootPath;
  volumeDirectories_[root] = directory_;
  RzDriveComboBox1->setCurrentIndex(static_cast<int>(volume));

  // The chain from the mount point down to the current directory, each one level deeper.
  QStringList chain{root};
  if (directory_ != root) {
    const QString below = directory_.mid(root == QLatin1String("/") ? 1 : root.size() + 1);
    for (const QString& part : below.split(u'/')) {
      const QString& parent = chain.last();
      chain << (parent.endsWith(u'/') ? parent + part : parent + u'/' + part);
    }
  }
  RzDirectoryListBox1->clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  QTreeWidgetItem* item = nullptr;
  for (const QString& step : chain) {
    item = item ? new QTreeWidgetItem(item) : new QTreeWidgetItem(RzDirectoryListBox1);
    item->setText(0, step == root ? root : QFileInfo(step).fileName());
    item->setIcon(0, open);
    item->setData(0, kPathRole, step);
  }
  QTreeWidgetItem* current = item;

  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const QFileInfoList inside =
      QDir(directory_)
          .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                         QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
  for (const QFileInfo& entry : inside) {
    item = new QTreeWidgetItem(current);
    item->setText(0, entry.fileName());
    item->setIcon(0, closed);
    item->setData(0, kPathRole, cleanDirectory(entry.absoluteFilePath()));
  }
  RzDirectoryListBox1->expandAll();
  RzDirectoryListBox1->setCurrentItem(current);
  RzDirectoryListBox1->scrollToItem(current);
}

void TForm3::volumeChosen(int index) {
  if (index < 0 || index >= volumes_.size()) return;
  const QString root = volumes_[index].rootPath;
  const QString last = volumeDirectories_.value(root, root);
  setDirectory(QFileInfo(last).isDir() ? last : root);
}

void TForm3::itemActivated(QTreeWidgetItem* item) {
  const QString path = item->data(0, kPathRole).toString();
  // The list is rebuilt after the view has finished with the item it reported.
  QMetaObject::invokeMethod(
      this, [this, path] { setDirectory(path); }, Qt::QueuedConnection);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == RzDirectoryListBox1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
    const qsizetype volume = VolumeOf(volumes_, directory_);
    if (volume >= 0 && directory_ != volumes_[volume].rootPath) {
      setDirectory(QFileInfo(directory_).path());
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm3::Makedir1Click() {
  const QString name = prompts_.askText(this, QStringLiteral("Make dir..."),
                                        QStringLiteral("Name of the new directory:"));
  if (name.isEmpty()) return;
  const QString target = QDir(directory_).filePath(name);
  // One new directory inside the current one: a name with a separator would reach
  // elsewhere.
  const bool plainName =
      !name.contains(u'/') && name != QLatin1String(".") && name != QLatin1String("..");
  if (!plainName || !QDir(directory_).mkdir(name)) {
    showError(QStringLiteral("Cannot create directory %1").arg(target));
    return;
  }
  setDirectory(target);
}

void TForm3::showError(const QString& text) {
  prompts_.tell(this, QMessageBox::Critical, text);
}
