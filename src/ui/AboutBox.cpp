#include "AboutBox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ButtonDesign.h"
#include "ButtonRenderer.h"
#include "FormLook.h"
#include "FormShape.h"
#include "ImageBox.h"
#include "ImageRenderHost.h"

namespace {
const QColor kTeal(0, 128, 128);
}  // namespace

QImage RenderLogo() {
  ButtonDesign d{};
  CaptionFont font;
  ResetDesignFields(d, font);
  d.CaptionSlots[0].setText(QStringLiteral("Tessaro"));
  // 235 x 32 with rounded edges (which widen it by a third of its height) and a
  // one-pixel outline: (4 * 235 + 128 / 3 + 8) / 4 = 247 by (4 * 32 + 8) / 4 = 34.
  d.AutoSize = 0;
  d.ButtonWidth = 235;
  d.ButtonHeight = 32;
  d.BorderWidth = 0;
  d.BorderHeight = 0;
  d.ShapeKind = kRoundedEdges;
  d.FillKind = kGradient;
  d.FillDirection = 90;
  d.Colour1 = MakeColour(10, 60, 110);
  d.Colour2 = MakeColour(70, 170, 200);
  d.BevelSize = 3;
  d.BackColour = MakeColour(kTeal.red(), kTeal.green(), kTeal.blue());
  // No noise: the logo must not draw from the generator the random design uses.
  d.Distortion = 0;
  font.size = 18;

  ImageRenderHost host;
  ButtonRenderer renderer(host);
  renderer.RenderButton(d, font, CurrentSlotCaption(d));
  return host.image;
}

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About \"Tessaro\""));
  // A title and nothing else: the box closes with its OK button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(WindowFont());
  setFixedSize(337, 200);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(grey);
  setAutoFillBackground(true);
  if (const QScreen* display = QGuiApplication::primaryScreen()) {
    move(display->availableGeometry().center() - rect().center());
  }

  // Back to front.
  Shape2 = new FormShape(FormShape::Circle, QColor(192, 192, 192), std::nullopt, this);
  Shape2->setGeometry(56, -40, 321, 257);
  Shape1 = new FormShape(FormShape::RoundRect, Qt::white, std::nullopt, this);
  Shape1->setGeometry(0, 144, 337, 65);
  Shape3 = new FormShape(FormShape::RoundRect, kTeal, QColor(Qt::black), this);
  Shape3->setGeometry(8, 8, 313, 121);

  Label1 = new QLabel(QStringLiteral("Version 1.02"), this);
  Label1->setGeometry(8, 52, 313, 13);
  QFont bold = font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setAlignment(Qt::AlignCenter);
  QPalette black = Label1->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(black);

  Image3 = new ImageBox(this);
  Image3->setGeometry(12, 8, 309, 49);
  Image3->setCenter(true);
  Image3->setPicture(RenderLogo());

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"),
                            this);
  BitBtn1->setGeometry(240, 168, 91, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
