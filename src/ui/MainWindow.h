#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "ButtonDesign.h"
#include "Design.h"
#include "DesignHistory.h"
#include "DesignHost.h"
#include "ExportQueue.h"
#include "ImageExport.h"
#include "Prompts.h"
#include "RenderHost.h"
#include "ui_MainWindow.h"

class ButtonRenderer;
class QColorDialog;
class QFileDialog;
class QFontDialog;
class QMenu;
class RecentFiles;
class TForm2;
class TForm3;
class SetExportDialog;
class SkinExportDialog;

// The maker's web page that Label11 shows.
inline constexpr char kMakerAddress[] = "tessaro.example";

// The editor window. It owns the one design (its look, caption font, texture path, captions
// and set choices), the renderer (and with it WorkBitmap), the preview (Image3's picture) and
// the texture (Image2's picture). Every control has one handler that writes its field and
// renders; SyncControls fills the controls from the design. The controls are public members,
// as laid out in MainWindow.ui.
//
// Qt's notifications are bridged to what the handlers expect (wireControls in MainWindow.cpp):
// edit boxes and the slider notify on real changes only, by the user or the program, as
// Qt does; check boxes notify through toggled(); radio buttons through toggled(true) only,
// so a handler runs when its button becomes selected and never when deselected; the memo's
// textChanged() is filtered to real changes (Qt also reports setting the same text); the
// exit handlers run on focus loss to another control, not when a dialog, menu or another
// program takes the focus; ImageBox and ClickLabel deliver a click before mouse-up.
//
// Every connection runs its handler as an action of the design's history (asStep), which
// records what the handler changed as one undo step (UndoRedo.cpp). The window knows the
// design's file and whether the design differs from what was last opened or saved, shows
// both in its title and asks before unsaved work would be lost (FileCommands.cpp).
class TForm1 : public QMainWindow, public Ui_TForm1, public DesignHost, public RenderHost {
  Q_OBJECT

 public:
  // `arguments` is the command line after the program's name; when there are any, they
  // name the design to open (either kind), joined with single blanks. Every dialog of the window
  // and of the dialogs it makes is shown through `prompts`.
  explicit TForm1(const QStringList& arguments = {}, QWidget* parent = nullptr,
                  Prompts& prompts = Prompts::standard());
  ~TForm1() override;

  Design& design() { return design_; }
  CaptionFont& captionFont() { return design_.font; }
  const ButtonRenderer& renderer() const;

  // Renders the design into Image3; while a render runs, makes it start again. When the
  // outermost render has finished, runs the exports chosen while it ran.
  void RenderButton();
  // Fills every control from the design with Syncing raised: handlers run for every
  // control whose shown value changes, but nothing renders.
  void SyncControls();
  // The caption heading and the memo, from the current caption; first drops the empty
  // captions after the current one and sets LastTextIndex.
  void ShowCaptionSlot();

  // Handlers, by page. Each writes one field of the design and renders.
  // "Size+Positioning" (SizePage.cpp).
  void Edit2Change();     // width box -> ButtonWidth (1..1024)
  void Edit1Change();     // height box -> ButtonHeight (1..1024)
  void CheckBox1Click();  // "Autosize" -> AutoSize
  void Edit6Change();     // X box -> TextOffsetX
  void Edit7Change();     // Y box -> TextOffsetY
  void Edit6Exit();       // leaving X: the box shows its number in plain decimal
  void Edit7Exit();       // leaving Y: likewise
  void Edit8Change();     // border width box -> BorderWidth
  void Edit9Change();     // border height box -> BorderHeight

  // "General" (FillPage.cpp).
  void Label6Click();        // "Colour 1" -> Colour1
  void Label7Click();        // "Colour 2" -> Colour2
  void Edit5Change();        // fill direction box -> FillDirection (-90..90)
  void Label21Click();       // "Back Colour" -> BackColour
  void RadioButton8Click();  // "Single colour" -> FillKind
  void RadioButton5Click();  // "Gradient" -> FillKind
  void RadioButton9Click();  // "Texture" -> FillKind
  void RadioButton6Click();  // "Plasma" -> FillKind
  void RadioButton7Click();  // "Plasma 2" -> FillKind
  void Label20Click();       // plasma "Colour" -> PlasmaColour

  // "Text" (CaptionPage.cpp).
  void ButtonTextChange();  // caption memo -> the current caption
  void ButtontextExit();    // leaving the memo: renders
  void Image1MouseDown();   // left arrow pressed
  void Image1MouseUp();     // left arrow released -> the caption before
  void Image4MouseDown();   // right arrow pressed
  void Image4MouseUp();     // right arrow released -> the next caption (a new one after the last)
  void Image7Click();       // "Font" -> the caption font
  void Label35MouseDown();  // font button pressed
  void Label35MouseUp();    // font button released
  void Label12Click();      // "Text colour" -> TextColour

  // "Bevel" (BevelPage.cpp).
  void Edit4Change();  // bevel size box -> BevelSize
  void Label2Click();  // "Highlight" -> HighlightColour
  void Label9Click();  // "Shadow" -> ShadowColour

  // "Outline" (OutlinePage.cpp).
  void Edit3Change();      // outline size box -> OutlineSize
  void Image9Click();      // up arrow -> OutlineSize one up
  void Image8Click();      // down arrow -> OutlineSize one down, not below 0
  void Image9MouseDown();  // up arrow pressed
  void Image9MouseUp();    // up arrow released
  void Image8MouseDown();  // down arrow pressed
  void Image8MouseUp();    // down arrow released
  void Label10Click();     // "Outline colour" -> OutlineColour

  // "Shape" (ShapePage.cpp).
  void RadioButton1Click();   // "Rectangle" -> ShapeKind
  void RadioButton2Click();   // "Rounded edges" -> ShapeKind
  void RadioButton3Click();   // "Hexagon" -> ShapeKind
  void RadioButton4Click();   // "Octagon" -> ShapeKind
  void RadioButton12Click();  // "Ellipse" -> ShapeKind
  void RadioButton13Click();  // "Rounded rectangle" -> ShapeKind

  // "Surface" (SurfacePage.cpp).
  void Image5Click();         // distortion up arrow -> Distortion + 10, at most 100
  void Image6Click();         // distortion down arrow -> Distortion - 10, at least 0
  void Image5MouseDown();     // distortion up arrow pressed
  void Image5MouseUp();       // distortion up arrow released
  void Image6MouseDown();     // distortion down arrow pressed
  void Image6MouseUp();       // distortion down arrow released
  void Label8Click();         // noise "Colour" -> SurfaceColour
  void CheckBox2Click();      // hidden "Antialias" -> Antialias
  void Button2Click();        // "Browse" -> the texture path, the texture, FillKind
  void Button3Click();        // "Clear" -> the texture path emptied, the texture
  void RadioButton10Click();  // "Tile" -> TextureStretch
  void RadioButton11Click();  // "Stretch" -> TextureStretch
  void TrackBar1Change();     // brightness slider -> TextureBrightness

  // Menus: designs of either kind and the random look (FileCommands.cpp). New, Open and
  // opening a recent or a dropped file ask first when the design has unsaved changes.
  void New1Click();   // File, "New": the defaults
  void Open1Click();  // File, "Open...": a design document or design file
  void Save2Click();  // File, "Save": to the design's file, in its kind; without one, Save as
  void Save1Click();  // File, "Save as...": a design document or design file
  void Randombutton1Click();  // Tools, "Random button...": a random look
  // File, "Open recent": one of the last designs; a missing one leaves the list.
  void openRecentFile(const QString& path);
  // Edit, "Undo" and "Redo" (UndoRedo.cpp): the design as before the last step, as after
  // the next; then one render.
  void Undo1Click();
  void Redo1Click();
  // The window's life (WindowLifecycle.cpp).
  void Exit1Click();    // File, "Exit"
  void About1Click();   // Help, "About..."
  void Label11Click();  // the link label: the maker's web page in the desktop's browser
  // View, "Refresh" and the preview's "Refresh": render again (MainWindow.cpp).
  void Redraw1Click();
  void Refresh1Click();
  // Exports (ImageExports.cpp). Chosen while a render runs (from inside its event pump) or
  // while another export is under way, an export waits until that has finished and then
  // runs as usual, so it always writes a completely rendered button.
  void Jpeg1Click();            // Export, "JPEG..."
  void Bmp1Click();             // Export, "BMP.."
  void Copy1Click();            // preview, "Copy": the preview onto the clipboard
  void ExportJPEG1Click();      // preview, "Export JPEG..."
  void ExportBMP1Click();       // preview, "Export BMP..."
  void Exportmultiple1Click();  // Export, "Export multiple...": one file per caption
  // Exports for the web and the view of what a page shows (WebExports.cpp).
  void Png1Click();               // Export, "PNG...": the button with the page showing through
  void Exportset1Click();         // Export, "Set...": a button set in states and scales
  void Exportskin1Click();        // Export, "Skin...": backgrounds for live text (SkinExport.cpp)
  void Showtransparency1Click();  // View, "Show transparency": the preview over a checkerboard

  // Dialog components, kept for the whole run like the form's own.
  QColorDialog* ColorDialog1 = nullptr;
  QFontDialog* FontDialog1 = nullptr;
  QFileDialog* OpenPictureDialog1 = nullptr;
  QFileDialog* ExportDialog1 = nullptr;
  QFileDialog* SaveDialog2 = nullptr;
  QFileDialog* OpenDialog1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  TForm2* Form2 = nullptr;               // the about box
  TForm3* Form3 = nullptr;               // the export-multiple dialog
  SetExportDialog* SetDialog = nullptr;  // the Export set dialog
  // The Export skin dialog.
  SkinExportDialog* SkinDialog = nullptr;
  // The file name each save dialog proposes next: the last one chosen in it (and, for
  // SaveDialog2, the design last opened).
  QString SaveDialog2FileName;
  QString ExportDialog1FileName;  // shared by the JPEG and the BMP export

  // The design opened or saved last, empty for a new design.
  const QString& designFile() const { return designFile_; }
  // The design (apart from the current caption) differs from what was last opened or saved.
  bool designModified() const;
  // The answers to the question before unsaved changes would be lost.
  using SaveChoice = Prompts::SaveChoice;
  const DesignHistory& history() const { return history_; }
  RecentFiles* recentFiles() const { return recentFiles_; }

  // DesignHost: what reset, load and random design ask of the editor.
  void showMessage(const QString& text) override;
  // Kept until the design has opened, then shown once (showPendingWarnings).
  void showWarning(const QString& text) override;
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
  // A design dropped on the window opens; a JPEG or BMP becomes the texture
  // (DroppedFiles.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FormCreate(const QStringList& arguments);
  // The window became the active one: the first time after start-up, the about box.
  void FormActivate();
  // The window closes: nothing waiting is run any more.
  void FormClose();
  // The window's size, place and page, as it was left last time.
  void restoreWindowPlace();
  void rememberWindowPlace();
  // A file chosen in `dialog`, with its default extension added to a name typed without one.
  QString chooseFile(QFileDialog* dialog, const QString& proposed);
  void setUpLook();
  void setUpDialogs();
  void wireControls();
  void wireHistory();      // the Edit menu, the title and the step boundaries (UndoRedo.cpp)
  void acceptFileDrops();  // the window and the controls that take drops (DroppedFiles.cpp)
  void followBottomEdge(int clientHeight);
  void PickColour(Colour& field, ColourSwatch* swatch);

  using Command = void (TForm1::*)();
  // `handler` run as one action of the design's history, named `step` in the Edit menu.
  std::function<void()> asStep(Command handler, const QString& step,
                               DesignHistory::Merge merge = DesignHistory::Merge::No);
  DesignState captureDesign() const;
  void restoreDesign(const DesignState& state);
  // Ctrl+Z and the like always mean the design's undo, also in the edit boxes and the memo.
  bool isUndoKey(QObject* watched, QEvent* event) const;

  // True when the design may be replaced or the window closed: nothing is unsaved, or the
  // user saved it or chose to discard it.
  bool maybeSave();
  bool saveDesign();
  bool saveDesignAs();
  // The filters of the design dialogs, the document's or the design file's first.
  void offerDesignKinds(QFileDialog* dialog, bool documentFirst);
  // True when `path` may be written: it is new or the design's own file, or the user agreed
  // to replace it.
  bool mayReplace(const QString& path);
  // The folder of the design's file, where a design dialog opens when it proposes no name.
  void startInDesignFolder(QFileDialog* dialog);
  // Writes the design to `path`, a design document or a design file as `document` says.
  // Before a design file that cannot hold all of the design is written, the user is asked,
  // with what would be lost; No writes nothing.
  bool writeDesign(const QString& path, bool document);
  // Opens a design as Open does, once the user has been asked.
  void openDesign(const QString& path);
  // Starts the design afresh before the defaults or a file replace it: the defaults leave
  // the bytes of the record they do not set as they are, and they must keep nothing of the
  // design given up (it would be saved with the next one). So New gives the design of
  // start-up.
  void clearRecord();
  // `path` (empty for none) becomes the design's file, of the kind `document` says, the
  // design as it is its saved state, and its history starts afresh.
  void startDocument(const QString& path, bool document);
  void updateTitle();
  // The warnings kept while a design opened (showWarning), shown in one message.
  void showPendingWarnings();
  QStringList pendingWarnings_;
  // Browse's part after the choice: the texture from `path`, or a message and no change.
  void takeTexture(const QString& path);
  // Handles a drop of a file on a control that takes drops of its own (the edit boxes and
  // the memo take text); true when it was such a drop.
  bool takeFileDrop(QEvent* event);
  void openDroppedFile(const QString& path);

  // Runs `body` as an export, now or once the running render or export has finished.
  void runExport(const QString& name, Command body);
  void exportJpeg();
  void exportBmp();
  void exportMultiple();
  void exportPng();
  // Asks for a file in ExportDialog1 (with the type's ending and `filter`) and writes the
  // image there.
  void writeThroughDialog(const QString& filter, const QImage& image, ImageType type);
  void exportSet();
  void exportSkin();
  // The images besides the button that the preview and a running export need.
  unsigned wantedExtras() const;
  // The picture the preview shows for a finished render: the button, or its transparent or
  // 2x image.
  void showRenderedButton(const QImage& image);
  unsigned exportExtras_ = 0;  // what a running export needs from its render
  // After a refused render: shows why `whatFails` ("Nothing was exported") and returns true.
  bool refuseUnrendered(const QString& whatFails);
  QString renderRefusal_;        // why the last render was refused; empty after a finished one
  bool greeted_ = false;         // the about box was shown by itself
  bool watchingScreen_ = false;  // the window's screen changes re-render the preview
  bool closing_ = false;
  void showError(const QString& text);

  // The memo in "\n" form, and the bridge that turns its notifications into
  // ButtonTextChange calls for real changes only.
  QString memoText() const;
  // Puts a text into the memo as the program does; the change reaches ButtonTextChange.
  void setMemoText(const QString& text);
  // Replaces the memo's text without notifying, keeping the caret where it can stay.
  void correctMemoText(const QString& text);
  void alignMemoToItsText(const QString& text);
  void memoTextChanged();
  QString memoSeen_;  // the memo's text as the handlers last saw it
  bool memoFromProgram_ = false;

  Design design_;
  // What the renderer draws for design_: its record with the current caption. A member,
  // because a render restarted from its event pump reads it again (RenderButton keeps it
  // up to date).
  ButtonDesign renderRecord_{};
  // Behind a pointer, so that the editor's files do not compile the renderer's internals.
  Prompts& prompts_;
  std::unique_ptr<ButtonRenderer> renderer_;
  int designClientHeight_ = 0;

  DesignHistory history_;
  ExportQueue exports_;
  RecentFiles* recentFiles_ = nullptr;
  QString designFile_;
  bool designIsDocument_ = true;  // the kind of designFile_; a new design becomes a document
  Design savedDesign_;            // WithoutCurrentCaption of the design last opened or saved
  QString programTitle_;          // the window's title while no file is open
};
