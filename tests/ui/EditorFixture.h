#pragma once

#include <gtest/gtest.h>
#include "MouseActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ButtonRenderer.h"
#include "EditorSettings.h"
#include "MainWindow.h"
#include "QtPrinters.h"
#include "ScriptedPrompts.h"

// The editor window, counting what its renders hand over and letting a test act inside a
// render's event pump. Its answers come first among its bases: the window asks them from
// its constructor on.
class ProbedForm : public ScriptedPrompts, public TForm1 {
 public:
  explicit ProbedForm(const QStringList& arguments = {}) : TForm1(arguments, nullptr, *this) {}

  int images = 0;     // finished renders
  int sizeTexts = 0;  // renders that got as far as sizing (a restart sizes again)
  int pumps = 0;
  std::function<void(int pump)> onPump;
  std::function<void()> onImage;
  std::function<void()> onSizeText;

  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump(pumps);
    TForm1::pumpEvents();
  }
  void takeImage(const QImage& image) override {
    ++images;
    TForm1::takeImage(image);
    if (onImage) onImage();
  }
  void showSizeText(const QString& text) override {
    ++sizeTexts;
    TForm1::showSizeText(text);
    if (onSizeText) onSizeText();
  }
  void resetCounts() { images = sizeTexts = pumps = 0; }
};

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every test starts from nothing remembered: no recent files, no window place or page.
    EditorSettings().clear();
    form = std::make_unique<ProbedForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->resetCounts();
  }

  // The look of the design, and the design as a whole.
  ButtonDesign& d() { return form->design().record; }
  Design& design() { return form->design(); }
  // Puts a caption's text in place, opening empty captions up to it, as the arrows would.
  void setCaption(int index, const QString& text) {
    while (design().captions.size() <= index)
      design().captions.append(Caption{});
    design().captions[index].text = text;
  }

  // Replaces a box's text the way a user would: select all, then type (or delete).
  static void typeInto(QWidget* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
      QTest::keyClick(box, Qt::Key_Delete);
    } else {
      QTest::keyClicks(box, text);
    }
  }

  static void doubleClick(QWidget* widget) { DoubleClick(widget); }

  // A check box takes clicks on its mark and caption.
  static void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  // The labels of the dialog that show `text`.
  static QList<QLabel*> labelsShowing(QWidget* dialog, const QString& text) {
    QList<QLabel*> shown;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->isVisible() && label->text().contains(text, Qt::CaseInsensitive)) shown << label;
    }
    return shown;
  }
  // The dialog, laid out, lies on its screen with `buttons` inside it; its picture goes to
  // screenshots/NAME.png in the build, for a person to look at.
  static void expectFitsScreen(QDialog* dialog, const QList<QPushButton*>& buttons,
                               const QString& name) {
    QCoreApplication::processEvents();
    const QRect screen = dialog->screen()->availableGeometry();
    EXPECT_LE(dialog->frameGeometry().width(), screen.width());
    EXPECT_LE(dialog->frameGeometry().height(), screen.height());
    for (QPushButton* button : buttons) {
      const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
      EXPECT_TRUE(screen.contains(place))
          << button->text().toStdString() << " at " << place.x() << "," << place.y();
    }
    QDir().mkpath(QStringLiteral(TESSARO_BINARY_DIR "/screenshots"));
    dialog->grab().save(QStringLiteral(TESSARO_BINARY_DIR "/screenshots/%1.png").arg(name));
  }

  // Answers the next modal dialog from inside its event loop: polls until one is shown.
  static void whenModal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, answer] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog && ++*tries < 500) return;
      poll->stop();
      poll->deleteLater();
      ASSERT_NE(dialog, nullptr) << "no dialog was shown";
      answer(dialog);
    });
    poll->start(5);
  }

  // Types text that QTest::keyClicks cannot (it knows ASCII only).
  static void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  // Drags a file over `target` and drops it there, as a file manager does; false when the
  // drag was refused. What the drop does happens once the events have been processed.
  static bool dropFile(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // File managers offer the address as text too, which the edit boxes and the memo take.
    data.setText(QUrl::fromLocalFile(path).toString());
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return true;
  }

  // Final image size for a rectangle with the default borders and outline, Antialias on,
  // Autosize off.
  static QSize fixedSizeImage(int width, int height) { return QSize(width + 20, height + 10); }

  QSize previewSize() const { return form->Image3->picture().size(); }

  std::unique_ptr<ProbedForm> form;
};
