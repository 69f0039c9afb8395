#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QWidget>

#include "ButtonSet.h"
#include "Prompts.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The current caption in each chosen state, as the set will show it: transparent images on
// a checkerboard, each with its state's name.
class StateStrip : public QWidget {
  Q_OBJECT

 public:
  explicit StateStrip(QWidget* parent = nullptr);
  // The images in order, with the states they show; a message instead when there are none.
  void setImages(const QList<QImage>& images, const QList<ButtonState>& states);
  void showMessage(const QString& text);
  const QList<QImage>& images() const { return images_; }
  const QString& message() const { return message_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QList<QImage> images_;
  QList<ButtonState> states_;
  QString message_;
};

// "Export set": where and how a button set is written (the states, the scales, one size
// for all, the sprite sheet with its stylesheet and page, how hover and pressed look), with
// a strip that shows the current caption in each chosen state as the options change. Its
// choices are remembered between runs.
class SetExportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SetExportDialog(QWidget* parent = nullptr, Prompts& prompts = Prompts::standard());

  // The look the set is made from: the editor's design (on its current caption), its font
  // and its texture. The strip follows it.
  void setLook(const ButtonLook& look);
  // The options as chosen.
  ButtonSetOptions options() const;
  // The folder to propose when none was chosen before.
  void proposeFolder(const QString& folder);
  // Keeps the choices for the next run (QSettings).
  void saveChoices() const;

  QLineEdit* FolderEdit;
  QPushButton* FolderButton;  // the platform's folder dialog
  QLineEdit* PrefixEdit;
  QCheckBox* StateBoxes[4];  // normal, hover, pressed, disabled
  QCheckBox* OneXBox;
  QCheckBox* TwoXBox;
  QCheckBox* UniformBox;  // "Same size for every caption"
  QCheckBox* SheetBox;    // "Sprite sheet, stylesheet and page"
  QSpinBox* LightnessBox;
  QSpinBox* ShiftBox;
  QLabel* ExampleLabel;  // the first file's name
  StateStrip* Strip;
  QPushButton* ExportButton;
  QPushButton* CancelButton;

 private:
  void restoreChoices();
  // Renders the strip and enables Export when the options make a set.
  void optionsChanged();

  Prompts& prompts_;
  ButtonLook look_;
  bool proposed_ = false;  // a folder was restored or chosen
};
