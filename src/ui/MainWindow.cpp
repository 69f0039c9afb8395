#include "MainWindow.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QFontDialog>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include "AboutBox.h"
#include "ButtonRenderer.h"
#include "DesignFiles.h"
#include "DesignLooks.h"
#include "EditorText.h"
#include "ExportMultipleDialog.h"
#include "FormLook.h"
#include "OptionGroup.h"
#include "RecentFiles.h"
#include "SetExportDialog.h"
#include "SkinExportDialog.h"

namespace {
// The client area below the menu bar at the window's smallest height, and how far the
// window may grow (its height runs from 380 to 600 with the title bar and borders).
constexpr int kClientWidth = 537;
constexpr int kClientHeight = 334;
constexpr int kHeightRange = 220;

void setTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// Connects a radio button so that its handler runs when the button becomes selected, by
// the user or the program. Qt's toggled() also reports the deselection of the button that
// gives way, and clicked() misses selections made by the program.
void onSelected(QRadioButton* button, TForm1* form, std::function<void()> handler) {
  QObject::connect(button, &QRadioButton::toggled, form,
                   [handler = std::move(handler)](bool selected) {
                     if (selected) handler();
                   });
}

QFileDialog* fileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& suffix,
                        const QString& filter) {
  auto* dialog = new QFileDialog(parent);
  dialog->setAcceptMode(mode);
  dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                      : QFileDialog::AnyFile);
  dialog->setDefaultSuffix(suffix);
  // The filters are shown by their labels only, which already name the patterns.
  dialog->setOption(QFileDialog::HideNameFilterDetails);
  dialog->setNameFilters(DialogNameFilters(filter));
  return dialog;
}
}  // namespace

TForm1::TForm1(const QStringList& arguments, QWidget* parent, Prompts& prompts)
    : QMainWindow(parent),
      prompts_(prompts),
      renderer_(std::make_unique<ButtonRenderer>(*this)),
      history_({[this] { return captureDesign(); },
                [this](const DesignState& state) { restoreDesign(state); },
                [this] { return renderer_->Syncing(); }}),
      exports_([this] { return renderer_->RenderBusy() || renderer_->Syncing(); }) {
  setupUi(this);
  programTitle_ = windowTitle();
  setUpLook();
  restoreWindowPlace();
  setUpDialogs();
  wireControls();
  FormCreate(arguments);
  // The dialogs come after the first render, so the preview is ready before anything else.
  Form2 = new TForm2(this);
  Form3 = new TForm3(this, MountedVolumes(), prompts_);
  SetDialog = new SetExportDialog(this, prompts_);
  SkinDialog = new SkinExportDialog(this, prompts_);
}

TForm1::~TForm1() {
  // The children outlive this body; losing the focus while they go must not run the exit
  // handlers on a half-destroyed window.
  for (QWidget* watched : findChildren<QWidget*>())
    watched->removeEventFilter(this);
}

const ButtonRenderer& TForm1::renderer() const {
  return *renderer_;
}

void TForm1::FormCreate(const QStringList& arguments) {
  // WorkBitmap came with the renderer; the defaults end with SyncControls.
  ResetDesign(design_, *this);
  // A path with blanks arrives whole even when it was not quoted. A file that cannot be
  // read is reported by the load and leaves the defaults.
  const QString path = arguments.join(u' ');
  const bool loaded = !arguments.isEmpty() && LoadDesign(path, design_, *this);
  RenderButton();
  startDocument(loaded ? path : QString(), !loaded || IsDesignDocumentFile(path));
  // A document's warnings come once the window is there to show them over.
  if (!pendingWarnings_.isEmpty()) QTimer::singleShot(0, this, &TForm1::showPendingWarnings);
}

void TForm1::setUpLook() {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFont(WindowFont());

  // Only the height can change; the preview and the link label follow the bottom edge.
  const int menuHeight = MainMenu1->sizeHint().height();
  setMinimumSize(kClientWidth, menuHeight + kClientHeight);
  setMaximumSize(kClientWidth, menuHeight + kClientHeight + kHeightRange);
  resize(kClientWidth, menuHeight + kClientHeight);
  ClientArea->installEventFilter(this);
  if (const QScreen* display = screen()) {
    move(display->availableGeometry().center() - rect().center());
  }

  Label10->setFont(PixelFont(QStringLiteral("Arial"), 19, true));
  setTextColour(Label10, Qt::blue);
  Label11->setFont(PixelFont(QStringLiteral("Arial"), 13, true, true));
  Label11->setText(QString::fromLatin1(kMakerAddress));
  setTextColour(Label11, Qt::blue);
  for (QLabel* link :
       {Label6, Label7, Label21, Label20, Label15, Label2, Label14, Label16, Label24}) {
    setTextColour(link, Qt::blue);
  }

  Image1->setPicture(ArrowPicture(ArrowDirection::Left));
  Image4->setPicture(ArrowPicture(ArrowDirection::Right));
  Image5->setPicture(ArrowPicture(ArrowDirection::Up));
  Image6->setPicture(ArrowPicture(ArrowDirection::Down));
  Image9->setPicture(ArrowPicture(ArrowDirection::Up));
  Image8->setPicture(ArrowPicture(ArrowDirection::Down));

  Edit3->setTypedLimit(3);

  // Windows' check and radio marks are smaller and closer to their captions than Fusion's;
  // with Fusion's the captions would not fit the form's boxes.
  auto* marks = new FormStyle;
  marks->setParent(this);
  for (QAbstractButton* button : ClientArea->findChildren<QAbstractButton*>()) {
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
      button->setStyle(marks);
    }
  }

  MakeOneTabStop({RadioButton8, RadioButton5, RadioButton9, RadioButton6, RadioButton7});
  MakeOneTabStop(
      {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton12, RadioButton13});
  MakeOneTabStop({RadioButton10, RadioButton11});

  // Labels without a fixed size fit their text, as the form's auto-sized labels do.
  for (QLabel* label : ClientArea->findChildren<QLabel*>()) {
    if (!label->property("fixedSize").toBool()) label->adjustSize();
  }
}

void TForm1::setUpDialogs() {
  ColorDialog1 = new QColorDialog(this);
  // Qt's own dialog always shows the custom-colour part and takes any colour.
  ColorDialog1->setOption(QColorDialog::DontUseNativeDialog);
  FontDialog1 = new QFontDialog(this);
  OpenPictureDialog1 = fileDialog(this, QFileDialog::AcceptOpen, QStringLiteral("bmp"),
                                  QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.dib)|*.bmp;*.jpg;"
                                                 "*.jpeg;*.dib|JPEG Image File (*.jpg;*.jpeg)|"
                                                 "*.jpg;*.jpeg|Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|"
                                                 "All files (*.*)|*.*"));
  ExportDialog1 = fileDialog(this, QFileDialog::AcceptSave, QStringLiteral("bmp"),
                             QStringLiteral("Bitmap files (*.bmp)|*.bmp|All files (*.*)|*.*"));
  // Save as sets its filters and ending before every showing (offerDesignKinds); a filter
  // chosen brings its ending.
  SaveDialog2 = fileDialog(this, QFileDialog::AcceptSave, QString(), QString());
  offerDesignKinds(SaveDialog2, true);
  connect(SaveDialog2, &QFileDialog::filterSelected, this, [this](const QString& filter) {
    if (filter.contains(QLatin1String("*.tessaro"))) {
      SaveDialog2->setDefaultSuffix(QStringLiteral("tessaro"));
    } else if (filter.contains(QLatin1String("*.kq"))) {
      SaveDialog2->setDefaultSuffix(QStringLiteral("kq"));
    }
  });
  // The editor asks itself before a design replaces a file other than its own.
  SaveDialog2->setOption(QFileDialog::DontConfirmOverwrite);
  OpenDialog1 = fileDialog(this, QFileDialog::AcceptOpen, QString(),
                           QStringLiteral("Tessaro designs (*.tessaro;*.kq)|*.tessaro;*.kq|"
                                          "Tessaro documents (*.tessaro)|*.tessaro|"
                                          "Tessaro files (*.kq)|*.kq|All files|*.*"));

  // Named as the form names them, for whoever answers them (Prompts).
  ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));
  FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
  OpenPictureDialog1->setObjectName(QStringLiteral("OpenPictureDialog1"));
  ExportDialog1->setObjectName(QStringLiteral("ExportDialog1"));
  SaveDialog2->setObjectName(QStringLiteral("SaveDialog2"));
  OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));

  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction(Refresh1);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(Copy1);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(ExportJPEG1);
  PopupMenu1->addAction(ExportBMP1);
}

void TForm1::wireControls() {
  using Merge = DesignHistory::Merge;
  // Edit boxes and the slider: Qt reports real changes only, also those the program makes,
  // which is what the handlers expect; a handler that corrects its own box runs again,
  // nested, for the corrected text. Typing in one box is one step until the focus leaves.
  const std::tuple<QLineEdit*, Command, QString> boxes[] = {
      {Edit1, &TForm1::Edit1Change, tr("Height")},
      {Edit2, &TForm1::Edit2Change, tr("Width")},
      {Edit3, &TForm1::Edit3Change, tr("Outline size")},
      {Edit4, &TForm1::Edit4Change, tr("Bevel size")},
      {Edit5, &TForm1::Edit5Change, tr("Fill direction")},
      {Edit6, &TForm1::Edit6Change, tr("Text position X")},
      {Edit7, &TForm1::Edit7Change, tr("Text position Y")},
      {Edit8, &TForm1::Edit8Change, tr("Border width")},
      {Edit9, &TForm1::Edit9Change, tr("Border height")}};
  for (const auto& [box, handler, step] : boxes) {
    connect(box, &QLineEdit::textChanged, this, asStep(handler, step, Merge::Typing));
    box->installEventFilter(this);
  }
  connect(TrackBar1, &QSlider::valueChanged, this,
          asStep(&TForm1::TrackBar1Change, tr("Brightness"), Merge::Typing));
  TrackBar1->installEventFilter(this);

  connect(Buttontext, &QPlainTextEdit::textChanged, this,
          asStep(&TForm1::memoTextChanged, tr("Caption"), Merge::Typing));
  // Ctrl+Z is the design's undo here too: a second history in the memo would undo typing
  // that the design's history holds already.
  Buttontext->setUndoRedoEnabled(false);
  Buttontext->installEventFilter(this);
  connect(Image1, &ImageBox::mouseDown, this, &TForm1::Image1MouseDown);
  connect(Image1, &ImageBox::mouseUp, this,
          asStep(&TForm1::Image1MouseUp, tr("Caption slot"), Merge::Typing));
  connect(Image4, &ImageBox::mouseDown, this, &TForm1::Image4MouseDown);
  connect(Image4, &ImageBox::mouseUp, this,
          asStep(&TForm1::Image4MouseUp, tr("Caption slot"), Merge::Typing));
  connect(Image7, &ImageBox::clicked, this, asStep(&TForm1::Image7Click, tr("Font")));
  connect(Label35, &ClickLabel::clicked, this, asStep(&TForm1::Image7Click, tr("Font")));
  connect(Image7, &ImageBox::mouseDown, this, &TForm1::Label35MouseDown);
  connect(Label35, &ClickLabel::mouseDown, this, &TForm1::Label35MouseDown);
  connect(Image7, &ImageBox::mouseUp, this, &TForm1::Label35MouseUp);
  connect(Label35, &ClickLabel::mouseUp, this, &TForm1::Label35MouseUp);

  // Check boxes: toggled() reports changes by the user and by the program alike.
  connect(CheckBox1, &QCheckBox::toggled, this, asStep(&TForm1::CheckBox1Click, tr("Autosize")));
  connect(CheckBox2, &QCheckBox::toggled, this, asStep(&TForm1::CheckBox2Click, tr("Antialias")));

  const std::tuple<QRadioButton*, Command, QString> radios[] = {
      {RadioButton1, &TForm1::RadioButton1Click, tr("Shape")},
      {RadioButton2, &TForm1::RadioButton2Click, tr("Shape")},
      {RadioButton3, &TForm1::RadioButton3Click, tr("Shape")},
      {RadioButton4, &TForm1::RadioButton4Click, tr("Shape")},
      {RadioButton12, &TForm1::RadioButton12Click, tr("Shape")},
      {RadioButton13, &TForm1::RadioButton13Click, tr("Shape")},
      {RadioButton5, &TForm1::RadioButton5Click, tr("Fill type")},
      {RadioButton6, &TForm1::RadioButton6Click, tr("Fill type")},
      {RadioButton7, &TForm1::RadioButton7Click, tr("Fill type")},
      {RadioButton8, &TForm1::RadioButton8Click, tr("Fill type")},
      {RadioButton9, &TForm1::RadioButton9Click, tr("Fill type")},
      {RadioButton10, &TForm1::RadioButton10Click, tr("Tile or stretch")},
      {RadioButton11, &TForm1::RadioButton11Click, tr("Tile or stretch")}};
  for (const auto& [button, handler, step] : radios)
    onSelected(button, this, asStep(handler, step));

  const std::tuple<ClickLabel*, ImageBox*, Command, QString> colourOpeners[] = {
      {Label6, Image10, &TForm1::Label6Click, tr("Colour 1")},
      {Label7, Image11, &TForm1::Label7Click, tr("Colour 2")},
      {Label21, Image12, &TForm1::Label21Click, tr("Back colour")},
      {Label20, Image13, &TForm1::Label20Click, tr("Plasma colour")},
      {Label15, Image14, &TForm1::Label12Click, tr("Text colour")},
      {Label2, Image15, &TForm1::Label2Click, tr("Highlight colour")},
      {Label14, Image16, &TForm1::Label9Click, tr("Shadow colour")},
      {Label16, Image17, &TForm1::Label10Click, tr("Outline colour")},
      {Label24, Image18, &TForm1::Label8Click, tr("Noise colour")}};
  for (const auto& [label, image, handler, step] : colourOpeners) {
    connect(label, &ClickLabel::clicked, this, asStep(handler, step));
    connect(image, &ImageBox::clicked, this, asStep(handler, step));
  }

  // Step buttons: the up arrows and the distortion down arrow also step on the second
  // press of a double click; the outline down arrow steps once per double click. Every
  // step is an undo step of its own.
  connect(Image5, &ImageBox::clicked, this, asStep(&TForm1::Image5Click, tr("Distortion")));
  connect(Image5, &ImageBox::doubleClicked, this, asStep(&TForm1::Image5Click, tr("Distortion")));
  connect(Image6, &ImageBox::clicked, this, asStep(&TForm1::Image6Click, tr("Distortion")));
  connect(Image6, &ImageBox::doubleClicked, this, asStep(&TForm1::Image6Click, tr("Distortion")));
  connect(Image9, &ImageBox::clicked, this, asStep(&TForm1::Image9Click, tr("Outline size")));
  connect(Image9, &ImageBox::doubleClicked, this, asStep(&TForm1::Image9Click, tr("Outline size")));
  connect(Image8, &ImageBox::clicked, this, asStep(&TForm1::Image8Click, tr("Outline size")));
  connect(Image5, &ImageBox::mouseDown, this, &TForm1::Image5MouseDown);
  connect(Image5, &ImageBox::mouseUp, this, &TForm1::Image5MouseUp);
  connect(Image6, &ImageBox::mouseDown, this, &TForm1::Image6MouseDown);
  connect(Image6, &ImageBox::mouseUp, this, &TForm1::Image6MouseUp);
  connect(Image8, &ImageBox::mouseDown, this, &TForm1::Image8MouseDown);
  connect(Image8, &ImageBox::mouseUp, this, &TForm1::Image8MouseUp);
  connect(Image9, &ImageBox::mouseDown, this, &TForm1::Image9MouseDown);
  connect(Image9, &ImageBox::mouseUp, this, &TForm1::Image9MouseUp);

  connect(Button2, &QPushButton::clicked, this, asStep(&TForm1::Button2Click, tr("Texture")));
  connect(Button3, &QPushButton::clicked, this, asStep(&TForm1::Button3Click, tr("Clear texture")));

  connect(New1, &QAction::triggered, this, asStep(&TForm1::New1Click, tr("New")));
  connect(Open1, &QAction::triggered, this, &TForm1::Open1Click);
  connect(Save2, &QAction::triggered, this, &TForm1::Save2Click);
  connect(Save1, &QAction::triggered, this, &TForm1::Save1Click);
  recentFiles_ = new RecentFiles(Openrecent1, this);
  connect(recentFiles_, &RecentFiles::chosen, this, &TForm1::openRecentFile);
  connect(Undo1, &QAction::triggered, this, &TForm1::Undo1Click);
  connect(Redo1, &QAction::triggered, this, &TForm1::Redo1Click);
  connect(Jpeg1, &QAction::triggered, this, &TForm1::Jpeg1Click);
  connect(Bmp1, &QAction::triggered, this, &TForm1::Bmp1Click);
  connect(Copy1, &QAction::triggered, this, &TForm1::Copy1Click);
  connect(ExportJPEG1, &QAction::triggered, this, &TForm1::ExportJPEG1Click);
  connect(ExportBMP1, &QAction::triggered, this, &TForm1::ExportBMP1Click);
  connect(Exportmultiple1, &QAction::triggered, this, &TForm1::Exportmultiple1Click);
  connect(Png1, &QAction::triggered, this, &TForm1::Png1Click);
  connect(Exportset1, &QAction::triggered, this, &TForm1::Exportset1Click);
  connect(Exportskin1, &QAction::triggered, this, &TForm1::Exportskin1Click);
  connect(Showtransparency1, &QAction::toggled, this, &TForm1::Showtransparency1Click);
  connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(Randombutton1, &QAction::triggered, this,
          asStep(&TForm1::Randombutton1Click, tr("Random button")));
  connect(About1, &QAction::triggered, this, &TForm1::About1Click);
  connect(Label11, &ClickLabel::clicked, this, &TForm1::Label11Click);
  connect(Redraw1, &QAction::triggered, this, &TForm1::Redraw1Click);
  connect(Refresh1, &QAction::triggered, this, &TForm1::Refresh1Click);
  connect(Image3, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(Image3->mapToGlobal(at)); });
  connect(Zoomin1, &QAction::triggered, Image3, &PreviewBox::zoomIn);
  connect(Zoomout1, &QAction::triggered, Image3, &PreviewBox::zoomOut);
  connect(Actualsize1, &QAction::triggered, Image3, &PreviewBox::actualSize);
  connect(Fit1, &QAction::triggered, Image3, &PreviewBox::fit);
  // The platform's keys, and Ctrl+= for a "+" that needs Shift.
  New1->setShortcut(QKeySequence::New);
  Open1->setShortcut(QKeySequence::Open);
  Save2->setShortcut(QKeySequence::Save);
  Zoomin1->setShortcuts(
      {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  Zoomout1->setShortcut(QKeySequence::ZoomOut);

  wireHistory();
  acceptFileDrops();
}

void TForm1::followBottomEdge(int clientHeight) {
  const int grown = clientHeight - kClientHeight;
  GroupBox1->setGeometry(8, 168, 521, 145 + grown);
  Image3->setGeometry(8, 16, 505, 121 + grown);
  Label11->move(392, 315 + grown);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (isUndoKey(watched, event) || takeFileDrop(event)) return true;
  if (watched == ClientArea && event->type() == QEvent::Resize) {
    followBottomEdge(ClientArea->height());
  } else if (event->type() == QEvent::FocusOut) {
    // An exit is the focus moving to another control of this window; a dialog, a menu
    // (opened by the mouse or from the keyboard) or another program taking the focus leaves
    // the control where it is.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        reason != Qt::MenuBarFocusReason) {
      if (watched == Edit6) {
        Edit6Exit();
      } else if (watched == Edit7) {
        Edit7Exit();
      } else if (watched == Buttontext) {
        ButtontextExit();
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::RenderButton() {
  // What the running action changed is one step, recorded before the render pumps events
  // and other actions begin.
  history_.commit();
  renderer_->setExtraImages(wantedExtras());
  // A nested call only updates what the running render draws next (it reads renderRecord_
  // again when it restarts).
  renderRecord_ = RenderRecord(design_);
  renderer_->RenderButton(renderRecord_, design_.font, design_.currentText());
  // A nested call only asked the running render to restart; the outermost one returns
  // with the render finished.
  if (!renderer_->RenderBusy()) exports_.renderFinished();
}

void TForm1::Redraw1Click() {
  RenderButton();
}

void TForm1::Refresh1Click() {
  RenderButton();
}

// The colour pickers of every page share ColorDialog1; Cancel changes nothing.
void TForm1::PickColour(Colour& field, ColourSwatch* swatch) {
  ColorDialog1->setCurrentColor(ToQColor(field));
  if (!prompts_.run(ColorDialog1)) return;
  const QColor chosen = ColorDialog1->selectedColor();
  swatch->setFill(chosen);
  field = FromQColor(chosen);
  RenderButton();
}

void TForm1::pumpEvents() {
  QCoreApplication::processEvents();
}

void TForm1::showSizeText(const QString& text) {
  Label13->setText(text);
  Label13->adjustSize();
}

void TForm1::takeImage(const QImage& image) {
  renderRefusal_.clear();
  Image3->setMessage(QString());
  showRenderedButton(image);
}

void TForm1::renderRefused(const QString& reason) {
  // The preview says so in place of the button, and every export refuses until a render
  // succeeds again.
  renderRefusal_ = reason;
  Image3->setMessage(QStringLiteral("The button cannot be rendered.\n%1").arg(reason));
}

void TForm1::showMessage(const QString& text) {
  prompts_.tell(this, QMessageBox::NoIcon, text);
}

void TForm1::showWarning(const QString& text) {
  pendingWarnings_ << text;
}

void TForm1::showPendingWarnings() {
  if (pendingWarnings_.isEmpty()) return;
  const QString text = pendingWarnings_.join(u'\n');
  pendingWarnings_.clear();
  prompts_.tell(this, QMessageBox::Warning, text);
}

void TForm1::showError(const QString& text) {
  prompts_.tell(this, QMessageBox::Critical, text);
}
