#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QWidget>

#include "ButtonSet.h"
#include "Design.h"
#include "Prompts.h"
#include "StateChoiceControls.h"

class QCheckBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

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
// for all, the sprite sheet with its stylesheet and page, how hover and pressed look), the
// captions with their names and links, and a strip that shows the current caption in each
// chosen state as the options change (and scrolls where the screen has no room for it all).
// What keeps the set from being written is said in the dialog. The choices of the last
// export are kept in the editor's settings, for the rest of the run and the next ones; those
// of a cancelled showing are dropped. A name or link edited in the table is an edit of the
// design (captionEdited), made at once, whether the set is exported or not.
class SetExportDialog : public QDialog, public StateChoiceControls {
  Q_OBJECT

 public:
  explicit SetExportDialog(QWidget* parent = nullptr, Prompts& prompts = Prompts::standard());

  // The look the set is made from: the editor's design, its font and its texture, and the
  // looks of states that have a design of their own. The strip follows them.
  void setLook(const ButtonLook& look, const QMap<ButtonState, ButtonLook>& stateLooks = {});
  // The options as chosen, with the state looks given to setLook.
  ButtonSetOptions options() const;
  // The choices as a design keeps them (without state designs, which the dialog does not
  // show), and the choices of a design shown in the dialog (an empty folder leaves the
  // folder shown).
  SetChoices choices() const;
  void showChoices(const SetChoices& choices);
  // The design's captions, listed in the table; the strip shows caption `current`.
  void setCaptions(const QList<Caption>& captions, int current);
  const QList<Caption>& captions() const { return captions_; }
  // The choices kept from the last export, or the defaults; the folder `proposedFolder` when
  // none was kept or it is gone. Before every showing.
  void restoreChoices(const QString& proposedFolder);
  // Keeps the choices for the next showing and the next run (EditorSettings).
  void saveChoices() const;

  // The folder, prefix, states, scales, hover and pressed boxes, the strip's area and the
  // buttons are StateChoiceControls'.
  QCheckBox* UniformBox;  // "Same size for every caption"
  QCheckBox* SheetBox;    // "Sprite sheet, stylesheet and page"
  StateStrip* Strip;
  // The captions: text (read only), name and link, one row each.
  QTableWidget* CaptionTable;
  QLabel* CaptionProblemLabel;  // why the last name typed was refused, hidden otherwise

  enum CaptionColumn { TextColumn, NameColumn, LinkColumn };

 signals:
  // A name or link of caption `index` was changed in the table (and, for a name, accepted:
  // a plain file stem that no other caption has, or empty for none).
  void captionEdited(int index, const Caption& caption);

 private:
  // Renders the strip and enables Export when the options make a set.
  void optionsChanged();
  // Checks an edited cell; a refused name goes back to what it was, with the reason shown.
  void captionCellChanged(QTableWidgetItem* item);
  // Why `name` cannot be the name of caption `index` ("" when it can).
  QString nameProblem(int index, const QString& name) const;
  // The strip's area as large as the strip, as far as the screen has room.
  void fitStripToScreen();

  Prompts& prompts_;
  ButtonLook look_;
  QMap<ButtonState, ButtonLook> stateLooks_;
  QList<Caption> captions_;
  int current_ = 0;
  SetChoices shownChoices_;  // the design's, as showChoices was given them
  bool fillingTable_ = false;
};
