#include <QColorDialog>
#include <QFile>
#include <QFontDialog>
#include <QSlider>
#include <QTemporaryDir>

#include "ColourSwatch.h"
#include "DesignDocument.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"
#include "SetExportDialog.h"

namespace {
// What a step must put back: the record's bytes, the whole design (as a document holds it),
// the font, the texture, and what every control shows.
struct Seen {
  QByteArray record;
  QByteArray design;
  CaptionFont font;
  qint64 texture = 0;
  QStringList shown;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
  *os << s.record.toHex().left(40).toStdString() << "... " << s.shown.join(u'|').toStdString();
}
}  // namespace

class UndoTest : public EditorTest {
 protected:
  Seen seen() {
    Seen s{QByteArray(reinterpret_cast<const char*>(d().bytes().data()), kDesignRecordSize),
           EncodeDesignDocument(design(), QString()),
           form->captionFont(),
           form->Image2->picture().cacheKey(),
           {}};
    for (QWidget* w : form->ClientArea->findChildren<QWidget*>()) {
      QString value;
      if (auto* box = qobject_cast<QLineEdit*>(w)) value = box->text();
      if (auto* button = qobject_cast<QAbstractButton*>(w))
        value = QString::number(button->isChecked());
      if (auto* label = qobject_cast<QLabel*>(w)) value = label->text();
      if (auto* swatch = qobject_cast<ColourSwatch*>(w)) value = swatch->fill().name();
      if (auto* slider = qobject_cast<QSlider*>(w)) value = QString::number(slider->value());
      if (!value.isNull()) s.shown << w->objectName() + u'=' + value;
    }
    s.shown << form->Buttontext->toPlainText() << form->Buttontext->font().family();
    s.shown.sort();
    return s;
  }

  void showPageOf(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget()) {
      if (form->PageControl1->indexOf(w) >= 0) form->PageControl1->setCurrentWidget(w);
    }
  }
  void click(QWidget* control) {
    showPageOf(control);
    QTest::mouseClick(control, Qt::LeftButton);
  }
  int steps() const { return form->history().stack().count(); }

  QString texture(const QString& name) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(200, 150, 100));
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  QTemporaryDir dir;
};

TEST_F(UndoTest, EveryKindOfEditIsOneStepThatUndoAndRedoPutBackExactly) {
  struct Edit {
    QString step;
    std::function<void()> prepare;
    std::function<void()> make;
  };
  const Edit edits[] = {
      {"Outline size", {}, [&] { typeInto(form->Edit3, QStringLiteral("12")); }},
      // With Autosize on, the width box does not render.
      {"Width", {}, [&] { typeInto(form->Edit2, QStringLiteral("250")); }},
      // A file's angle of 200 where the box shows "200" already: stored unclamped, and put
      // back so, though the box's handler would clamp it.
      {"Fill direction",
       [&] {
         typeInto(form->Edit5, QStringLiteral("200"));
         Design steep = design();
         steep.record.FillDirection = 200;
         QString error;
         ASSERT_TRUE(WriteDesign(dir.filePath(QStringLiteral("steep.kq")), steep, &error));
         form->fileAnswer = dir.filePath(QStringLiteral("steep.kq"));
         form->Open1->trigger();
         ASSERT_EQ(d().FillDirection, 200);
       },
       [&] { typeInto(form->Edit5, QStringLiteral("50")); }},
      {"Autosize", {}, [&] { click(form->CheckBox1); }},
      {"Shape", {}, [&] { click(form->RadioButton12); }},
      {"Colour 1",
       {},
       [&] {
         whenModal([&](QWidget*) {
           form->ColorDialog1->setCurrentColor(QColor(1, 2, 3));
           form->ColorDialog1->accept();
         });
         click(form->Label6);
       }},
      {"Font",
       {},
       [&] {
         whenModal([&](QWidget*) {
           QFont chosen(QStringLiteral("Liberation Serif"));
           chosen.setPointSize(20);
           form->FontDialog1->setCurrentFont(chosen);
           form->FontDialog1->accept();
         });
         click(form->Label35);
       }},
      {"Caption", {}, [&] { typeInto(form->Buttontext, QStringLiteral("Home")); }},
      {"Distortion", {}, [&] { click(form->Image5); }},
      // Without the texture fill, the slider does not render.
      {"Brightness",
       {},
       [&] {
         showPageOf(form->TrackBar1);
         QTest::keyClick(form->TrackBar1, Qt::Key_Up);
       }},
      {"Texture",
       {},
       [&] {
         form->pictureAnswer = texture(QStringLiteral("wood.bmp"));
         click(form->Button2);
       }},
      {"Clear texture",
       [&] {
         form->pictureAnswer = texture(QStringLiteral("oak.bmp"));
         click(form->Button2);
       },
       [&] { click(form->Button3); }},
      {"Random button", {}, [&] { form->Randombutton1->trigger(); }},
      {"New",
       [&] {
         typeInto(form->Edit8, QStringLiteral("30"));
         typeInto(form->Buttontext, QStringLiteral("Contact"));
       },
       [&] { form->New1->trigger(); }},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.step.toStdString());
    if (edit.prepare) edit.prepare();
    const Seen before = seen();
    const int count = steps();
    edit.make();
    const Seen after = seen();
    ASSERT_NE(after, before);
    EXPECT_EQ(steps(), count + 1);
    EXPECT_EQ(form->Undo1->text(), "&Undo " + edit.step);

    form->resetCounts();
    form->Undo1->trigger();
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(form->images, 1);
    EXPECT_EQ(form->Redo1->text(), "&Redo " + edit.step);

    form->resetCounts();
    form->Redo1->trigger();
    EXPECT_EQ(seen(), after);
    EXPECT_EQ(form->images, 1);
    EXPECT_EQ(steps(), count + 1) << "putting a state back records nothing";
    EXPECT_EQ(form->history().stack().index(), count + 1);
  }
  // Undo after New brings the design before it back.
  form->Undo1->trigger();
  EXPECT_EQ(design().currentText(), "Contact");
  EXPECT_EQ(form->Edit8->text(), "30");
}

TEST_F(UndoTest, TypingIsOneStepUntilTheFocusLeaves) {
  form->activateWindow();
  QTRY_VERIFY(form->isActiveWindow());
  form->PageControl1->setCurrentWidget(form->Edit3->parentWidget());
  form->Edit3->setFocus();
  QTest::keyClick(form->Edit3, Qt::Key_End);
  QTest::keyClicks(form->Edit3, QStringLiteral("50"));
  QTest::keyClick(form->Edit3, Qt::Key_Backspace);
  EXPECT_EQ(d().OutlineSize, 15);
  EXPECT_EQ(steps(), 1);
  // Typed back to where it started: no step at all.
  QTest::keyClick(form->Edit3, Qt::Key_Backspace);
  EXPECT_EQ(steps(), 0);
  QTest::keyClicks(form->Edit3, QStringLiteral("2"));
  form->Edit4->setFocus();
  form->Edit3->setFocus();
  QTest::keyClicks(form->Edit3, QStringLiteral("3"));
  EXPECT_EQ(d().OutlineSize, 123);
  EXPECT_EQ(steps(), 2) << "the focus left between 12 and 123";

  // Ctrl+Z in a box or the memo is the design's undo, not the control's own.
  QTest::keyClick(form->Edit3, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->Edit3->text(), "12");
  EXPECT_EQ(steps(), 2);
  EXPECT_EQ(form->history().stack().index(), 1);

  form->PageControl1->setCurrentWidget(form->Buttontext->parentWidget());
  form->Buttontext->setFocus();
  QTest::keyClick(form->Buttontext, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(form->Buttontext, QStringLiteral("!!"));
  EXPECT_EQ(steps(), 2) << "the step undone in the box gave way";
  QTest::keyClick(form->Buttontext, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->Buttontext->toPlainText(), "Button Text");
  EXPECT_EQ(design().captions[0].text, "Button Text");
  QTest::keyClick(form->Buttontext, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(design().captions[0].text, "Button Text!!");
  QTest::keyClick(form->Buttontext, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form->history().stack().index(), 2) << "redo at the end does nothing";
  // Typing goes on at the memo's end.
  QTest::keyClick(form->Buttontext, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClicks(form->Buttontext, QStringLiteral("?"));
  EXPECT_EQ(design().captions[0].text, "Button Text?");
}

TEST_F(UndoTest, AnUndoInsideARendersEventPumpRestartsTheRender) {
  const QByteArray before(reinterpret_cast<const char*>(d().bytes().data()), kDesignRecordSize);
  const QString shown = form->Edit4->text();
  typeInto(form->Edit4, QStringLiteral("9"));
  form->resetCounts();
  form->onPump = [&](int pump) {
    if (pump == 5) form->Undo1->trigger();
  };
  form->Redraw1Click();
  form->onPump = nullptr;
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(d().bytes().data()), kDesignRecordSize),
            before);
  EXPECT_EQ(form->Edit4->text(), shown);
  EXPECT_EQ(form->sizeTexts, 2) << "the render started again";
  EXPECT_EQ(form->images, 1);
  EXPECT_EQ(steps(), 1);
  EXPECT_EQ(form->history().stack().index(), 0);
}

TEST_F(UndoTest, LookingAtOrExportingADesignIsNoChange) {
  setCaption(1, QStringLiteral("Second"));
  form->fileAnswer = dir.filePath(QStringLiteral("nav.kq"));
  form->Save1->trigger();
  const QString title = form->windowTitle();
  const int count = steps();
  const QString undoText = form->Undo1->text();
  form->Form3->setDirectory(dir.path());
  form->exportMultipleAnswer = true;
  const std::pair<const char*, std::function<void()>> looks[] = {
      {"the next caption slot", [&] { click(form->Image4); }},
      {"the slot before", [&] { click(form->Image1); }},
      {"Export multiple", [&] { form->Exportmultiple1->trigger(); }},
      {"Export set",
       [&] {
         whenModal([&](QWidget* dialog) {
           auto* set = qobject_cast<SetExportDialog*>(dialog);
           ASSERT_NE(set, nullptr);
           typeInto(set->FolderEdit, dir.path());
           QTest::mouseClick(set->ExportButton, Qt::LeftButton);
         });
         form->Exportset1->trigger();
       }},
  };
  for (const auto& [what, look] : looks) {
    SCOPED_TRACE(what);
    const int slot = design().current;
    look();
    EXPECT_EQ(steps(), count);
    EXPECT_EQ(form->Undo1->text(), undoText);
    EXPECT_FALSE(form->designModified());
    EXPECT_EQ(form->windowTitle(), title);
    if (QString(what).contains("slot")) {
      EXPECT_NE(design().current, slot);
    }
  }

  // The slot is still saved with the design.
  click(form->Image1);
  click(form->Image1);
  click(form->Image4);
  ASSERT_EQ(design().current, 1);
  form->Save2->trigger();
  QFile saved(dir.filePath(QStringLiteral("nav.kq")));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(static_cast<int>(saved.read(1).at(0)), 1) << "TextIndex leads the record";

  // An undo goes back to the slot where the change was made.
  typeInto(form->Buttontext, QStringLiteral("Contact"));
  click(form->Image1);
  form->Undo1->trigger();
  EXPECT_EQ(design().current, 1);
  EXPECT_EQ(form->Buttontext->toPlainText(), "Second");
}
