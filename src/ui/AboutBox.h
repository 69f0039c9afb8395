#pragma once

#include <QDialog>
#include <QImage>

class FormShape;
class ImageBox;
class QLabel;
class QPushButton;

// The product's name as a 247 x 34 button, drawn by the button renderer itself.
QImage RenderLogo();

// The about box: the logo and the version on a teal panel, "&OK" to close.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

  FormShape* Shape2;  // the silver circle behind everything
  FormShape* Shape1;  // the white band along the bottom
  FormShape* Shape3;  // the teal panel
  QLabel* Label1;     // "Version 1.02"
  ImageBox* Image3;   // the logo
  QPushButton* BitBtn1;

 protected:
  // The box has no close button: only OK closes it, so Escape does nothing.
  void keyPressEvent(QKeyEvent* event) override;
};
