#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>

#include "EditorFixture.h"

namespace {
QString screenshotDir() {
  const QString dir = QStringLiteral(TESSARO_BINARY_DIR "/screenshots");
  QDir().mkpath(dir);
  return dir;
}
}  // namespace

// One picture of the window per page, for a person to look at.
TEST_F(EditorTest, SavesAScreenshotOfEveryPage) {
  for (int i = 0; i < form->PageControl1->count(); ++i) {
    form->PageControl1->setCurrentIndex(i);
    QApplication::processEvents();
    const QString name = form->PageControl1->widget(i)->objectName();
    const QString file = QStringLiteral("%1/%2-%3.png").arg(screenshotDir()).arg(i + 1).arg(name);
    EXPECT_TRUE(form->grab().save(file)) << file.toStdString();
  }
}

TEST_F(EditorTest, TheWindowOpensOnTheTextPageInTheTabOrder) {
  EXPECT_EQ(form->windowTitle(), "Tessaro 1.02");
  QStringList tabs;
  for (int i = 0; i < form->PageControl1->count(); ++i)
    tabs << form->PageControl1->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Size+Positioning", "General", "Text", "Bevel", "Outline", "Shape",
                               "Surface"}));
  EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet3);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(EditorTest, OnlyTheHeightChangesAndThePreviewFollowsTheBottomEdge) {
  const QSize smallest = form->minimumSize();
  EXPECT_EQ(form->maximumWidth(), smallest.width());
  EXPECT_EQ(form->maximumHeight(), smallest.height() + 220);
  EXPECT_EQ(form->ClientArea->size(), QSize(537, 334));

  form->resize(700, smallest.height() + 100);
  QApplication::processEvents();
  EXPECT_EQ(form->width(), 537);
  EXPECT_EQ(form->GroupBox1->geometry(), QRect(8, 168, 521, 245));
  EXPECT_EQ(form->Image3->geometry(), QRect(8, 16, 505, 221));
  EXPECT_EQ(form->Label11->pos(), QPoint(392, 415));
  EXPECT_EQ(form->PageControl1->geometry(), QRect(8, 8, 521, 153));

  form->resize(537, 2000);
  QApplication::processEvents();
  EXPECT_EQ(form->height(), smallest.height() + 220);
}

TEST_F(EditorTest, EveryCaptionFitsItsControl) {
  // Check boxes and radio buttons have fixed sizes: the window font must leave room for the
  // mark, its spacing and the whole caption.
  for (QAbstractButton* button : form->ClientArea->findChildren<QAbstractButton*>()) {
    const bool radio = qobject_cast<QRadioButton*>(button);
    if (!radio && !qobject_cast<QCheckBox*>(button)) continue;
    const QStyle* style = button->style();
    const int mark = style->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
    const int spacing = style->pixelMetric(
        radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
        button);
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    EXPECT_LE(mark + spacing + text, button->width()) << button->objectName().toStdString();
    EXPECT_GE(button->height(), button->fontMetrics().height());
  }
  for (QLabel* label :
       std::initializer_list<QLabel*>{form->Label35, form->Label11, form->Label23, form->Label26}) {
    EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
  }
  for (QPushButton* button : {form->Button2, form->Button3}) {
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    EXPECT_LE(text + 8, button->width()) << button->objectName().toStdString();
  }
  // Auto-sized labels end before the next control to their right on the same page.
  EXPECT_LE(form->Label29->geometry().right(), form->Bevel20->x());
  EXPECT_LE(form->Label21->geometry().right(), form->Bevel7->x());
  EXPECT_LE(form->Label13->geometry().right(), form->Bevel11->x());
}

TEST_F(EditorTest, HintsOnlyWhereTheFormAsksForThem) {
  QStringList hinted;
  for (QWidget* w : form->ClientArea->findChildren<QWidget*>()) {
    if (!w->toolTip().isEmpty()) hinted << w->objectName();
  }
  hinted.sort();
  EXPECT_EQ(hinted, QStringList({"Label11", "Label21", "TrackBar1"}));
  EXPECT_EQ(form->Label11->toolTip(), "Get the latest version of Tessaro here!");
}

TEST_F(EditorTest, TheWaitLabelLiesBehindTheTabControl) {
  const QObjectList order = form->ClientArea->children();
  EXPECT_LT(order.indexOf(form->Label10), order.indexOf(form->PageControl1));
  EXPECT_TRUE(form->Label10->geometry().intersects(form->PageControl1->geometry()));
  EXPECT_EQ(form->Label10->text(), "Please wait, rendering button...");
}

TEST_F(EditorTest, MenusCarryTheirCommandsAndRefreshRenders) {
  QStringList menus;
  for (QAction* menu : form->MainMenu1->actions())
    menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "E&dit", "&Export", "Tools", "&View", "&Help"}));
  EXPECT_EQ(form->Randombutton1->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R));
  QStringList popup;
  for (QAction* item : form->PopupMenu1->actions())
    popup << item->text();
  EXPECT_EQ(popup, QStringList({"&Refresh", "", "&Copy", "", "Export &JPEG...", "Export &BMP..."}));

  form->Redraw1->trigger();
  EXPECT_EQ(form->images, 1);
  form->Refresh1->trigger();
  EXPECT_EQ(form->images, 2);
}

TEST_F(EditorTest, ThePreviewIsCentredAndUnscaled) {
  const QImage shot = form->Image3->grab().toImage();
  const QImage button = form->Image3->picture();
  const QPoint at((form->Image3->width() - button.width()) / 2,
                  (form->Image3->height() - button.height()) / 2);
  const int dpr = static_cast<int>(shot.devicePixelRatio());
  for (const QPoint p : {QPoint(0, 0), QPoint(button.width() - 1, button.height() - 1),
                         QPoint(button.width() / 2, button.height() / 2)}) {
    EXPECT_EQ(shot.pixel((at + p) * dpr), button.pixel(p));
  }
}
