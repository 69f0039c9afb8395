#pragma once

#include <QFont>
#include <QImage>
#include <QProxyStyle>

// The form's fonts are given as character heights in pixels at 96 dpi, so the captions
// fit their controls as laid out; Qt scales logical pixels on high-dpi screens.

// "MS Sans Serif" where the system has it, otherwise the closest sans (Liberation Sans and
// Arial share metrics), 11 px.
QFont WindowFont();
// A face at a pixel height, e.g. the "Arial" bold captions of the wait and link labels.
QFont PixelFont(const QString& family, int pixels, bool bold, bool underline = false);

// Check and radio marks in the classic Windows metrics: a 13-pixel mark, 4 pixels from its
// caption.
class FormStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

enum class ArrowDirection { Up, Down, Left, Right };
// The step buttons' pictures, black on white: 8 x 8 for up and down, 16 x 10 for left and
// right.
QImage ArrowPicture(ArrowDirection direction);

struct CaptionFont;
// The caption font as the font dialog shows it (in points), and the dialog's choice back.
QFont CaptionDialogFont(const CaptionFont& font);
void TakeDialogFont(const QFont& chosen, CaptionFont& font);
