#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "EditorFixture.h"
#include "ExportMultipleDialog.h"
#include "Volumes.h"

namespace {
QStringList filesIn(const QString& path) {
  return QDir(path).entryList(QDir::Files, QDir::Name);
}

QSize imageSize(const QString& path, const char* format) {
  QImageReader reader(path, format);
  reader.setDecideFormatFromContent(false);
  return reader.size();
}
}  // namespace

// The export loop, with Form3's choices set directly and its "&Export" answered.
class ExportMultipleTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    form->Form3->setDirectory(dir.path());
    form->exportMultipleAnswer = true;
  }

  void setSlot(int slot, const QString& text) { setCaption(slot, text); }

  // The current caption of every finished render, and the tab pages' visibility at each.
  void watchRenders() {
    form->onImage = [this] {
      renderedSlots.push_back(design().current);
      pagesShown.push_back(form->PageControl1->isVisible());
    };
  }

  QString path(const QString& name) const { return dir.filePath(name); }

  std::vector<int> renderedSlots;
  std::vector<bool> pagesShown;
  QTemporaryDir dir;
};

TEST_F(ExportMultipleTest, OneCaptionGivesOneFile) {
  watchRenders();
  form->Exportmultiple1->trigger();
  EXPECT_EQ(filesIn(dir.path()), QStringList({"button1.jpg"}));
  EXPECT_EQ(imageSize(path(QStringLiteral("button1.jpg")), "jpeg"), previewSize());
  EXPECT_EQ(renderedSlots, std::vector<int>({0}));
  EXPECT_EQ(pagesShown, std::vector<bool>({false})) << "the wait label shows meanwhile";
  EXPECT_TRUE(form->PageControl1->isVisible());
  EXPECT_EQ(design().current, 0);
  EXPECT_EQ(form->Label1->text(), "Text");
}

TEST_F(ExportMultipleTest, AnEmptySlotBetweenCaptionsGivesAButtonWithoutCaption) {
  setSlot(2, QStringLiteral("Contact"));
  form->ShowCaptionSlot();
  watchRenders();
  form->Exportmultiple1->trigger();
  EXPECT_EQ(filesIn(dir.path()), QStringList({"button1.jpg", "button2.jpg", "button3.jpg"}));
  // Without a caption, Autosize leaves only the borders and the outline: 18 + 2 wide.
  EXPECT_EQ(imageSize(path(QStringLiteral("button2.jpg")), "jpeg").width(), 20);
  EXPECT_GT(imageSize(path(QStringLiteral("button3.jpg")), "jpeg").width(), 20);
  // One render per slot; the memo then shows slot 3's caption, which renders it once more.
  ASSERT_GE(renderedSlots.size(), 3u);
  EXPECT_EQ(std::vector<int>(renderedSlots.begin(), renderedSlots.begin() + 3),
            std::vector<int>({0, 1, 2}));
  EXPECT_EQ(design().current, 2) << "the editor stays on the last slot";
  EXPECT_EQ(d().LastTextIndex, 2);
  EXPECT_EQ(form->Label1->text(), "Text (3/3)");
  EXPECT_EQ(form->Buttontext->toPlainText(), "Contact");
  EXPECT_EQ(imageSize(path(QStringLiteral("button3.jpg")), "jpeg"), previewSize());
}

TEST_F(ExportMultipleTest, AllSlotsEmptyExportUpToTheCurrentSlotAsBmp) {
  setSlot(0, QString());
  design().current = 5;
  form->ShowCaptionSlot();
  form->Form3->RadioButton2->setChecked(true);
  form->Form3->Edit1->setText(QStringLiteral("nav"));
  form->Exportmultiple1->trigger();
  EXPECT_EQ(filesIn(dir.path()),
            QStringList({"nav1.bmp", "nav2.bmp", "nav3.bmp", "nav4.bmp", "nav5.bmp", "nav6.bmp"}));
  for (const QString& name : filesIn(dir.path())) {
    EXPECT_EQ(imageSize(path(name), "bmp").width(), 20) << name.toStdString();
  }
  EXPECT_EQ(design().current, 5);
  EXPECT_EQ(form->Label1->text(), "Text (6/6)");
}

TEST_F(ExportMultipleTest, EveryCaptionIsExportedAlsoBeyondThe32OfADesignFile) {
  for (int caption = 0; caption < 40; ++caption)
    setSlot(caption, QString(caption + 1, u'i'));
  form->ShowCaptionSlot();
  watchRenders();
  form->Form3->RadioButton2->setChecked(true);
  form->Exportmultiple1->trigger();
  const QStringList files = filesIn(dir.path());
  EXPECT_EQ(files.size(), 40);
  EXPECT_TRUE(files.contains("button40.bmp"));
  // Each file is its own caption's: the widths grow with the captions.
  EXPECT_GT(imageSize(path(QStringLiteral("button40.bmp")), "bmp").width(),
            imageSize(path(QStringLiteral("button33.bmp")), "bmp").width());
  EXPECT_GT(imageSize(path(QStringLiteral("button33.bmp")), "bmp").width(),
            imageSize(path(QStringLiteral("button32.bmp")), "bmp").width());
  EXPECT_EQ(design().current, 39);
  EXPECT_EQ(form->Label1->text(), "Text (40/40)");
}

TEST_F(ExportMultipleTest, ExistingFilesAreReplacedWithoutAQuestion) {
  QFile old(path(QStringLiteral("button1.jpg")));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old");
  old.close();
  form->Exportmultiple1->trigger();
  EXPECT_EQ(imageSize(path(QStringLiteral("button1.jpg")), "jpeg"), previewSize());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ExportMultipleTest, AWriteErrorStopsTheLoopKeepsTheFilesAndRestoresTheWindow) {
  for (int slot = 0; slot < 5; ++slot)
    setSlot(slot, QStringLiteral("Item %1").arg(slot + 1));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("button3.jpg")));  // in the way
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool pagesShownAtError = false;
  whenModal([&](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    text = box->text();
    icon = box->icon();
    pagesShownAtError = form->PageControl1->isVisible();
    box->accept();
  });
  form->Exportmultiple1->trigger();
  EXPECT_EQ(filesIn(dir.path()), QStringList({"button1.jpg", "button2.jpg"}));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(text.contains(path(QStringLiteral("button3.jpg")))) << text.toStdString();
  EXPECT_TRUE(pagesShownAtError);
  EXPECT_TRUE(form->PageControl1->isVisible());
  EXPECT_EQ(design().current, 2) << "the slot the export stopped on";
  EXPECT_EQ(form->Buttontext->toPlainText(), "Item 3");
  EXPECT_EQ(form->Label1->text(), "Text (3/5)");
}

// A full disk (a lowered file-size limit) and a folder the user may not write (another
// effective user when the tests run as root), both taken on by this test process for the
// length of one export and then given back; each test runs in a process of its own.
TEST_F(ExportMultipleTest, FullDiskOrLockedFolderLosesNoFileAndSaysWhich) {
  for (int slot = 0; slot < 3; ++slot)
    setSlot(slot, QStringLiteral("Item %1").arg(slot + 1));
  const QByteArray old(20000, 'o');
  QFile first(path(QStringLiteral("button1.jpg")));
  ASSERT_TRUE(first.open(QIODevice::WriteOnly));
  first.write(old);
  first.close();

  auto exportReportingTheFirstFile = [&] {
    QString text;
    whenModal([&](QWidget* widget) {
      if (auto* box = qobject_cast<QMessageBox*>(widget)) text = box->text();
      widget->close();
    });
    form->Exportmultiple1->trigger();
    EXPECT_TRUE(text.contains(path(QStringLiteral("button1.jpg")))) << text.toStdString();
  };
  auto expectOnlyTheOldFile = [&] {
    EXPECT_EQ(filesIn(dir.path()), QStringList({"button1.jpg"}));
    QFile kept(path(QStringLiteral("button1.jpg")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), old);
  };

  {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);  // a refused write fails with EFBIG
    rlimit small = saved;
    small.rlim_cur = 512;  // smaller than any button's JPEG
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    exportReportingTheFirstFile();
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    signal(SIGXFSZ, oldHandler);
    expectOnlyTheOldFile();
  }

  if (geteuid() == 0 && setegid(65534) == 0) {
    const bool switched = seteuid(65534) == 0;
    if (switched) exportReportingTheFirstFile();
    EXPECT_EQ(seteuid(0), 0);
    EXPECT_EQ(setegid(0), 0);
    expectOnlyTheOldFile();
  }
}

TEST_F(ExportMultipleTest, CancelExportsNothing) {
  form->exportMultipleAnswer = false;
  form->Exportmultiple1->trigger();
  EXPECT_TRUE(filesIn(dir.path()).isEmpty());
  EXPECT_EQ(form->images, 0);
}

TEST_F(ExportMultipleTest, TheDialogIsShownModallyAndKeepsItsChoices) {
  form->exportMultipleAnswer.reset();
  whenModal([this](QWidget* dialog) {
    ASSERT_EQ(dialog, form->Form3);
    form->Form3->RadioButton2->setChecked(true);
    form->Form3->Edit1->setText(QStringLiteral("menu"));
    QTest::mouseClick(form->Form3->BitBtn2, Qt::LeftButton);  // Cancel
  });
  form->Exportmultiple1->trigger();
  EXPECT_TRUE(filesIn(dir.path()).isEmpty());

  whenModal([this](QWidget* dialog) {
    ASSERT_EQ(dialog, form->Form3);
    EXPECT_TRUE(form->Form3->RadioButton2->isChecked());
    EXPECT_EQ(form->Form3->Edit1->text(), "menu");
    EXPECT_EQ(form->Form3->directory(), dir.path());
    QTest::mouseClick(form->Form3->BitBtn1, Qt::LeftButton);  // Export
  });
  form->Exportmultiple1->trigger();
  EXPECT_EQ(filesIn(dir.path()), QStringList({"menu1.bmp"}));
}

// The dialog on its own (no editor window), with volumes laid out in a scratch folder.
class ExportDialogTest : public EditorTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    root = QDir(scratch.path()).canonicalPath();
    for (const char* sub : {"work/alpha", "work/Beta", "work/gamma", "usb/photos"}) {
      ASSERT_TRUE(QDir(root).mkpath(QString::fromLatin1(sub)));
    }
    started = QDir::currentPath();
    QDir::setCurrent(root + QStringLiteral("/work"));
    dialog = std::make_unique<TForm3>(
        nullptr,
        QList<Volume>{
            {QStringLiteral("/"), QStringLiteral("/"), VolumeKind::Fixed},
            {root + QStringLiteral("/usb"), QStringLiteral("Stick"), VolumeKind::Removable}},
        answers);
    QDir::setCurrent(started);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  }

  // The texts of the list: the chain down to the current directory, then its children.
  QStringList listed() const {
    QStringList texts;
    std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
      texts << item->text(0);
      for (int i = 0; i < item->childCount(); ++i)
        walk(item->child(i));
    };
    for (int i = 0; i < dialog->RzDirectoryListBox1->topLevelItemCount(); ++i) {
      walk(dialog->RzDirectoryListBox1->topLevelItem(i));
    }
    return texts;
  }

  QTreeWidgetItem* find(const QString& text) const {
    const auto found =
        dialog->RzDirectoryListBox1->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
  }

  // Answers the next message box, keeping its text.
  static void whenModalBox(QString* text) {
    whenModal([text](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      *text = box->text();
      box->accept();
    });
  }

  void doubleClick(QTreeWidgetItem* item) {
    ASSERT_NE(item, nullptr);
    QWidget* viewport = dialog->RzDirectoryListBox1->viewport();
    dialog->RzDirectoryListBox1->scrollToItem(item);
    // Near the name's start: a long name runs past the visible part of the list.
    const QRect row = dialog->RzDirectoryListBox1->visualItemRect(item);
    const QPoint at(row.left() + 24, row.center().y());
    // What Qt delivers for a real double click: press, release, double-click, release.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &second);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
  }

  QTemporaryDir scratch;
  QString root, started;
  ScriptedPrompts answers;
  std::unique_ptr<TForm3> dialog;
};

TEST_F(ExportDialogTest, StartsWithTheFileTypePrefixAndExampleOfTheFirstUse) {
  EXPECT_EQ(dialog->windowTitle(), "Export multiple buttons...");
  EXPECT_EQ(dialog->size(), QSize(359, 374));
  EXPECT_TRUE(dialog->RadioButton1->isChecked());
  EXPECT_EQ(dialog->Edit1->text(), "button");
  EXPECT_EQ(dialog->Label1->text(), "ex. button1.jpg");
  QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
  EXPECT_EQ(dialog->Label1->text(), "ex. button1.bmp");
  dialog->Edit1->selectAll();
  QTest::keyClicks(dialog->Edit1, QStringLiteral("nav"));
  EXPECT_EQ(dialog->Label1->text(), "ex. nav1.bmp");
  QTest::mouseClick(dialog->RadioButton1, Qt::LeftButton);
  EXPECT_EQ(dialog->Label1->text(), "ex. nav1.jpg");

  // For looking at: every control inside the client area, none covering another.
  QDir().mkpath(QStringLiteral(TESSARO_BINARY_DIR "/screenshots"));
  dialog->grab().save(QStringLiteral(TESSARO_BINARY_DIR "/screenshots/TForm3.png"));
  const QRect client = dialog->rect();
  const QList<QWidget*> boxes{dialog->GroupBox1, dialog->GroupBox2, dialog->GroupBox3,
                              dialog->BitBtn1, dialog->BitBtn2};
  for (QWidget* box : boxes) {
    EXPECT_TRUE(client.contains(box->geometry())) << box->metaObject()->className();
    for (QWidget* other : boxes) {
      if (other != box) {
        EXPECT_FALSE(box->geometry().intersects(other->geometry()));
      }
    }
  }
}

TEST_F(ExportDialogTest, TheListShowsThePathAndTheDirectoriesInsideAndIsWalkedByDoubleClicks) {
  const QString work = root + QStringLiteral("/work");
  EXPECT_EQ(dialog->directory(), work) << "the process's current directory at start";
  QStringList chain = root.mid(1).split(u'/');
  chain.prepend(QStringLiteral("/"));
  EXPECT_EQ(listed(), chain + QStringList({"work", "alpha", "Beta", "gamma"}));
  EXPECT_EQ(dialog->RzDirectoryListBox1->currentItem()->text(0), "work");

  doubleClick(find(QStringLiteral("Beta")));
  EXPECT_EQ(dialog->directory(), work + QStringLiteral("/Beta"));
  EXPECT_EQ(listed().last(), "Beta") << "no directories inside";

  doubleClick(find(QFileInfo(root).fileName()));
  EXPECT_EQ(dialog->directory(), root);
  EXPECT_EQ(listed().mid(chain.size()), QStringList({"usb", "work"}));

  QTest::keyClick(dialog->RzDirectoryListBox1, Qt::Key_Backspace);
  EXPECT_EQ(dialog->directory(), QFileInfo(root).path());
  doubleClick(find(QStringLiteral("/")));
  EXPECT_EQ(dialog->directory(), "/") << "the root keeps its separator";
}

TEST_F(ExportDialogTest, LongNamesAreListedWhole) {
  const QString name = QString(200, u'n') + QStringLiteral(" with blanks");
  ASSERT_TRUE(QDir(root).mkdir(name));
  dialog->setDirectory(root);
  ASSERT_NE(find(name), nullptr);
  doubleClick(find(name));
  EXPECT_EQ(dialog->directory(), root + u'/' + name);
}

TEST_F(ExportDialogTest, TheDriveChooserSwitchesToEachVolumesCurrentDirectory) {
  QComboBox* drives = dialog->RzDriveComboBox1;
  ASSERT_EQ(drives->count(), 2);
  EXPECT_EQ(drives->itemText(1), "Stick");
  EXPECT_FALSE(drives->itemIcon(0).isNull());
  EXPECT_EQ(drives->currentIndex(), 0);
  dialog->setDirectory(root + QStringLiteral("/work/gamma"));

  drives->setCurrentIndex(1);
  emit drives->activated(1);
  EXPECT_EQ(dialog->directory(), root + QStringLiteral("/usb")) << "first visit: its top";
  EXPECT_EQ(listed(), QStringList({root + QStringLiteral("/usb"), "photos"}));
  doubleClick(find(QStringLiteral("photos")));
  EXPECT_EQ(dialog->directory(), root + QStringLiteral("/usb/photos"));
  QTest::keyClick(dialog->RzDirectoryListBox1, Qt::Key_Backspace);
  QTest::keyClick(dialog->RzDirectoryListBox1, Qt::Key_Backspace);
  EXPECT_EQ(dialog->directory(), root + QStringLiteral("/usb")) << "not above the volume's top";
  doubleClick(find(QStringLiteral("photos")));

  drives->setCurrentIndex(0);
  emit drives->activated(0);
  EXPECT_EQ(dialog->directory(), root + QStringLiteral("/work/gamma"));
  drives->setCurrentIndex(1);
  emit drives->activated(1);
  EXPECT_EQ(dialog->directory(), root + QStringLiteral("/usb/photos"));
}

TEST_F(ExportDialogTest, MakeDirCreatesTheNamedDirectoryAndEntersIt) {
  const QString work = root + QStringLiteral("/work");
  dialog->setDirectory(work);
  answers.textAnswer = QStringLiteral("buttons 2024");
  dialog->Makedir1->trigger();
  EXPECT_TRUE(QFileInfo(work + QStringLiteral("/buttons 2024")).isDir());
  EXPECT_EQ(dialog->directory(), work + QStringLiteral("/buttons 2024"));

  // Cancel does nothing; a name that exists or reaches elsewhere is refused with a message.
  dialog->setDirectory(work);
  answers.textAnswer = QString();
  dialog->Makedir1->trigger();
  EXPECT_EQ(dialog->directory(), work);
  for (const char* refused : {"alpha", "../outside", ".."}) {
    QString text;
    whenModalBox(&text);
    answers.textAnswer = QString::fromLatin1(refused);
    dialog->Makedir1->trigger();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Cannot create directory"))) << refused;
    EXPECT_EQ(dialog->directory(), work);
  }
  EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/outside")));
}

TEST(VolumeKind, FollowsTheFileSystemTheDeviceAndTheMountPoint) {
  EXPECT_EQ(KindOfVolume("ext4", "/dev/sda1", "/"), VolumeKind::Fixed);
  EXPECT_EQ(KindOfVolume("vfat", "/dev/sdb1", "/media/anna/STICK"), VolumeKind::Removable);
  EXPECT_EQ(KindOfVolume("exfat", "/dev/sdc1", "/run/media/anna/CARD"), VolumeKind::Removable);
  EXPECT_EQ(KindOfVolume("iso9660", "/dev/sr0", "/media/anna/DISC"), VolumeKind::Optical);
  EXPECT_EQ(KindOfVolume("udf", "/dev/loop3", "/mnt/dvd"), VolumeKind::Optical);
  EXPECT_EQ(KindOfVolume("nfs4", "server:/export", "/net/home"), VolumeKind::Network);
  EXPECT_EQ(KindOfVolume("cifs", "//nas/share", "/mnt/nas"), VolumeKind::Network);
  EXPECT_EQ(KindOfVolume("fuse.sshfs", "anna@host:", "/home/anna/remote"), VolumeKind::Network);
  EXPECT_EQ(KindOfVolume("tmpfs", "tmpfs", "/tmp"), VolumeKind::RamDisk);
}

TEST(VolumeKind, APathBelongsToTheDeepestMountPointHoldingIt) {
  const QList<Volume> volumes{{"/", "/", VolumeKind::Fixed},
                              {"/media/anna/STICK", "STICK", VolumeKind::Removable},
                              {"/media/anna/STICK2", "STICK2", VolumeKind::Removable}};
  EXPECT_EQ(VolumeOf(volumes, "/home/anna"), 0);
  EXPECT_EQ(VolumeOf(volumes, "/media/anna/STICK"), 1);
  EXPECT_EQ(VolumeOf(volumes, "/media/anna/STICK/photos"), 1);
  EXPECT_EQ(VolumeOf(volumes, "/media/anna/STICK2/x"), 2) << "a name that merely starts alike";
  EXPECT_EQ(VolumeOf(volumes.mid(1), "/home"), -1);
  const QList<Volume> mounted = MountedVolumes();
  ASSERT_FALSE(mounted.isEmpty());
  EXPECT_EQ(mounted.first().rootPath, "/");
}
