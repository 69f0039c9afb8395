#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include "ButtonSet.h"
#include "Prompts.h"
#include "Skin.h"
#include "StateChoiceControls.h"

class QCheckBox;
class QLabel;

// The skin as a page shows it, one row per chosen state: its name, then the skin stretched
// to two widths with the sample text over it, on a checkerboard.
class SkinStrip : public QWidget {
  Q_OBJECT

 public:
  struct Row {
    ButtonState state = ButtonState::Normal;
    QImage narrow, wide;  // with the device pixel ratio they are drawn at
  };

  explicit SkinStrip(QWidget* parent = nullptr);
  void setRows(const QList<Row>& rows);
  // A message instead of the rows.
  void showMessage(const QString& text);
  const QList<Row>& rows() const { return rows_; }
  const QString& message() const { return message_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int labelWidth() const;

  QList<Row> rows_;
  QString message_;
};

// "Export skin": where a skin is written and what of it (the states, the scales, the web
// page, nine-patches, Qt Quick's Imagine files and the JSON for game engines, how hover and
// pressed look), with a strip that shows the skin stretched to two widths behind the
// current caption in each chosen state, as a page shows it (and scrolls where the screen
// has no room for it all). How the skin's look changes where it stretches, and what keeps
// it from being written, are said in the dialog. The choices of the last export are kept in
// the editor's settings; those of a cancelled showing are dropped.
class SkinExportDialog : public QDialog, public StateChoiceControls {
  Q_OBJECT

 public:
  explicit SkinExportDialog(QWidget* parent = nullptr, Prompts& prompts = Prompts::standard());

  // The look the skin is made from (the editor's design, its font and its texture) and the
  // design's captions: the skin takes the size of caption `current`, which the strip shows
  // over it, and the page shows them all.
  void setLook(const ButtonLook& look, const QList<Caption>& captions, int current);
  // The options as chosen.
  SkinOptions options() const;
  // The choices kept from the last export, or the defaults; the folder `proposedFolder`
  // when none was kept or it is gone. Before every showing.
  void restoreChoices(const QString& proposedFolder);
  // Keeps the choices for the next showing and the next run (EditorSettings).
  void saveChoices() const;

  // The folder, prefix, states, scales, hover and pressed boxes, the strip's area and the
  // buttons are StateChoiceControls'.
  QCheckBox* WebBox;        // kSkinWeb
  QCheckBox* NinePatchBox;  // kSkinNinePatch
  QCheckBox* ImagineBox;    // kSkinImagine
  QCheckBox* JsonBox;       // kSkinJson
  QLabel* WarningLabel;     // how the look changes where it stretches, hidden when it does not
  SkinStrip* Strip;

 private:
  // Shows what the options make and why they cannot be written, and enables Export when
  // they can.
  void optionsChanged();
  // Makes the skin the strip shows again when the look or the options it depends on
  // changed; false, with the strip saying why, when it cannot be made.
  bool updateStrip(const SkinOptions& options);

  Prompts& prompts_;
  ButtonLook look_;
  QList<Caption> captions_;  // the page's, and the strip shows the current one
  int current_ = 0;
  bool restoring_ = false;
  // What the strip was made from; the folder, the prefix, the scales and the outputs
  // change nothing it shows.
  bool stripMade_ = false;
  bool stripOk_ = false;
  QList<ButtonState> stripStates_;
  StateOptions stripStateOptions_;
  int stripScale_ = 0;
};
