#pragma once

#include <QMainWindow>
#include <QStringList>
#include <vector>

#include "ButtonDesign.h"
#include "ButtonRenderer.h"
#include "DesignHost.h"
#include "RenderHost.h"
#include "ui_Unit1.h"

class QColorDialog;
class QFileDialog;
class QFontDialog;
class QMenu;
class QUrl;
class TForm2;
class TForm3;

// The maker's web page that Label11 shows.
inline constexpr char kMakerAddress[] = "tessaro.example";

// The editor window. It owns the one design record, the caption font, the renderer (and
// with it WorkBitmap), the preview (Image3's picture) and the texture (Image2's picture).
// Every control has one handler that writes its field and renders; SyncControls fills the
// controls from the record. The controls are public members, as laid out in Unit1.ui.
//
// Qt's notifications are bridged to what the handlers expect (wireControls in Unit1.cpp):
// edit boxes and the slider notify on real changes only, by the user or the program, as
// Qt does; check boxes notify through toggled(); radio buttons through toggled(true) only,
// so a handler runs when its button becomes selected and never when deselected; the memo's
// textChanged() is filtered to real changes (Qt also reports setting the same text); the
// exit handlers run on focus loss to another control, not when a dialog, menu or another
// program takes the focus; ImageBox and ClickLabel deliver a click before mouse-up.
class TForm1 : public QMainWindow, public Ui_TForm1, public DesignHost, public RenderHost {
  Q_OBJECT

 public:
  // `arguments` is the command line after the program's name; when there are any, they
  // name the design file to open, joined with single blanks.
  explicit TForm1(const QStringList& arguments = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  ButtonDesign& design() { return ButtonDesign_; }
  CaptionFont& captionFont() { return Font_; }
  const ButtonRenderer& renderer() const { return renderer_; }

  // Renders the design into Image3; while a render runs, makes it start again. When the
  // outermost render has finished, runs the exports chosen while it ran.
  void RenderButton();
  // Fills every control from the record with Syncing raised: handlers run for every
  // control whose shown value changes, but nothing renders.
  void SyncControls();
  // The caption heading and the memo, from TextIndex and the slots.
  void ShowCaptionSlot();

  // Size+Positioning, and the numeric boxes of the other pages.
  void Edit1Change();
  void Edit2Change();
  void Edit3Change();
  void Edit4Change();
  void Edit5Change();
  void Edit6Change();
  void Edit7Change();
  void Edit8Change();
  void Edit9Change();
  void Edit6Exit();
  void Edit7Exit();
  void CheckBox1Click();
  void CheckBox2Click();

  // Caption.
  void ButtonTextChange();
  void ButtontextExit();
  void Image1MouseDown();
  void Image1MouseUp();
  void Image4MouseDown();
  void Image4MouseUp();
  void Image7Click();
  void Label35MouseDown();
  void Label35MouseUp();

  // Shapes, fills, tiling.
  void RadioButton1Click();
  void RadioButton2Click();
  void RadioButton3Click();
  void RadioButton4Click();
  void RadioButton12Click();
  void RadioButton13Click();
  void RadioButton5Click();
  void RadioButton6Click();
  void RadioButton7Click();
  void RadioButton8Click();
  void RadioButton9Click();
  void RadioButton10Click();
  void RadioButton11Click();

  // Colour pickers.
  void Label6Click();
  void Label7Click();
  void Label21Click();
  void Label20Click();
  void Label12Click();
  void Label2Click();
  void Label9Click();
  void Label10Click();
  void Label8Click();

  // Step buttons and their pressed look.
  void Image5Click();
  void Image6Click();
  void Image9Click();
  void Image8Click();
  void Image5MouseDown();
  void Image5MouseUp();
  void Image6MouseDown();
  void Image6MouseUp();
  void Image8MouseDown();
  void Image8MouseUp();
  void Image9MouseDown();
  void Image9MouseUp();

  // Texture.
  void Button2Click();
  void Button3Click();
  void TrackBar1Change();

  // Menus.
  void New1Click();
  void Open1Click();
  void Save1Click();
  void Randombutton1Click();
  void Exit1Click();
  void About1Click();
  // The link label: the maker's web page in the desktop's browser.
  void Label11Click();
  void Redraw1Click();
  void Refresh1Click();
  // Exports. Chosen while a render runs (from inside its event pump) or while another
  // export is under way, an export waits until that has finished and then runs as usual,
  // so it always writes a completely rendered button.
  void Jpeg1Click();
  void Bmp1Click();
  void Copy1Click();
  void ExportJPEG1Click();
  void ExportBMP1Click();
  // One file per caption slot, as chosen in Form3.
  void Exportmultiple1Click();

  // Dialog components, kept for the whole run like the form's own.
  QColorDialog* ColorDialog1 = nullptr;
  QFontDialog* FontDialog1 = nullptr;
  QFileDialog* OpenPictureDialog1 = nullptr;
  QFileDialog* ExportDialog1 = nullptr;
  QFileDialog* SaveDialog2 = nullptr;
  QFileDialog* OpenDialog1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  TForm2* Form2 = nullptr;  // the about box
  TForm3* Form3 = nullptr;  // the export-multiple dialog
  // The file name each save dialog proposes next: the last one chosen in it (and, for
  // SaveDialog2, the design last opened).
  QString SaveDialog2FileName;
  QString ExportDialog1FileName;  // shared by the JPEG and the BMP export

  // DesignHost: what reset, load and random design ask of the editor.
  void showMessage(const QString& text) override;
  bool loadTexture(const QString& path) override;
  void clearTexture() override;
  void syncControls() override { SyncControls(); }
  void render() override { RenderButton(); }

  // RenderHost: what a render asks of the editor.
  void pumpEvents() override;
  void showSizeText(const QString& text) override;
  void takeImage(const QImage& image) override;
  QImage textureBitmap() const override { return Image2->picture(); }
  void renderRefused(const QString& reason) override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The picture chosen in OpenPictureDialog1, empty on Cancel; tests answer it directly.
  virtual QString choosePicture();
  // Shows a file dialog on `proposed` (when not empty) and returns the chosen path, empty
  // on Cancel; tests answer it directly.
  virtual QString execFileDialog(QFileDialog* dialog, const QString& proposed);
  // Shows Form3 modally; true when it closed with "&Export".
  virtual bool execExportMultiple();
  // Shows Form2 modally until OK; tests count it instead.
  virtual void execAboutBox();
  // Opens a web address with the desktop; a failure is not reported.
  virtual void openWebPage(const QUrl& address);

 private:
  void FormCreate(const QStringList& arguments);
  // The window became the active one: the first time after start-up, the about box.
  void FormActivate();
  // The window closes: nothing is asked, and nothing waiting is run any more.
  void FormClose();
  // execFileDialog, with the dialog's default extension added to a name typed without one.
  QString chooseFile(QFileDialog* dialog, const QString& proposed);
  void setUpLook();
  void setUpDialogs();
  void wireControls();
  void followBottomEdge(int clientHeight);
  void PickColour(Colour& field, ColourSwatch* swatch);

  using Command = void (TForm1::*)();
  // Runs `body` as an export; queues `handler` instead while a render or an export runs.
  void runExport(Command handler, Command body);
  void runDeferredCommands();
  void exportJpeg();
  void exportBmp();
  void exportMultiple();
  std::vector<Command> deferred_;  // exports waiting for the running render or export
  int exporting_ = 0;
  bool draining_ = false;  // runDeferredCommands is running the queue
  bool greeted_ = false;   // the about box was shown by itself
  bool closing_ = false;
  void showError(const QString& text);

  // The memo in "\n" form, and the bridge that turns its notifications into
  // ButtonTextChange calls for real changes only.
  QString memoText() const;
  // Puts a text into the memo as the program does; the change reaches ButtonTextChange.
  void setMemoText(const QString& text);
  // Replaces the memo's text without notifying, keeping the caret where it can stay.
  void correctMemoText(const QString& text);
  void memoTextChanged();
  QString memoSeen_;  // the memo's text as the handlers last saw it
  bool memoFromProgram_ = false;

  ButtonDesign ButtonDesign_{};
  CaptionFont Font_;
  ButtonRenderer renderer_{*this};
  int designClientHeight_ = 0;
};
