#include "SetExportDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Checkerboard.h"
#include "EditorSettings.h"
#include "ExportSeries.h"
#include "FitToScreen.h"
#include "FormLook.h"
#include "RandomDesign.h"

namespace {
constexpr int kStripGap = 12;
constexpr int kCaptionRowsShown = 5;
const QString kGroup = QStringLiteral("SetExport");
}  // namespace

StateStrip::StateStrip(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(90);
}

void StateStrip::setImages(const QList<QImage>& images, const QList<ButtonState>& states) {
  images_ = images;
  states_ = states;
  message_.clear();
  int width = 0;
  int height = 0;
  for (const QImage& image : images) {
    width += image.width() + kStripGap;
    height = std::max(height, image.height());
  }
  // Its whole size; the dialog shows as much of it as the screen has room for.
  setMinimumSize(width, std::max(90, height + 24));
  update();
}

void StateStrip::showMessage(const QString& text) {
  images_.clear();
  states_.clear();
  message_ = text;
  update();
}

void StateStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!message_.isEmpty()) {
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, message_);
    return;
  }
  int x = 0;
  for (qsizetype i = 0; i < images_.size(); ++i) {
    const QImage& image = images_[i];
    const QRect area(x, 0, image.width(), image.height());
    PaintCheckerboard(painter, area);
    painter.drawImage(area.topLeft(), image);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(x, image.height() + 2, std::max(image.width(), 60), 18),
                     Qt::AlignLeft | Qt::AlignTop, StateName(states_.value(i)));
    x += image.width() + kStripGap;
  }
}

SetExportDialog::SetExportDialog(QWidget* parent, Prompts& prompts)
    : QDialog(parent), prompts_(prompts) {
  setWindowTitle(QStringLiteral("Export set"));
  setFont(WindowFont());

  auto* where = new QGroupBox(QStringLiteral("Folder and name"), this);
  FolderEdit = new QLineEdit(where);
  FolderButton = new QPushButton(QStringLiteral("&Choose..."), where);
  PrefixEdit = new QLineEdit(QStringLiteral("button"), where);
  ExampleLabel = new QLabel(where);
  auto* whereLayout = new QGridLayout(where);
  whereLayout->addWidget(new QLabel(QStringLiteral("Folder"), where), 0, 0);
  whereLayout->addWidget(FolderEdit, 0, 1);
  whereLayout->addWidget(FolderButton, 0, 2);
  whereLayout->addWidget(new QLabel(QStringLiteral("Prefix"), where), 1, 0);
  whereLayout->addWidget(PrefixEdit, 1, 1);
  whereLayout->addWidget(ExampleLabel, 1, 2);
  ProblemLabel = new QLabel(where);
  ProblemLabel->setWordWrap(true);
  QPalette warning = ProblemLabel->palette();
  warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
  ProblemLabel->setPalette(warning);
  ProblemLabel->hide();
  whereLayout->addWidget(ProblemLabel, 2, 0, 1, 3);

  auto* what = new QGroupBox(QStringLiteral("Images"), this);
  auto* whatLayout = new QGridLayout(what);
  const char* stateCaptions[] = {"&Normal", "&Hover", "&Pressed", "&Disabled"};
  for (int i = 0; i < 4; ++i) {
    StateBoxes[i] = new QCheckBox(QString::fromLatin1(stateCaptions[i]), what);
    StateBoxes[i]->setChecked(true);
    whatLayout->addWidget(StateBoxes[i], 0, i);
  }
  OneXBox = new QCheckBox(QStringLiteral("&1x"), what);
  TwoXBox = new QCheckBox(QStringLiteral("&2x"), what);
  OneXBox->setChecked(true);
  TwoXBox->setChecked(true);
  whatLayout->addWidget(OneXBox, 1, 0);
  whatLayout->addWidget(TwoXBox, 1, 1);
  UniformBox = new QCheckBox(QStringLiteral("Same &size for every caption"), what);
  SheetBox = new QCheckBox(QStringLiteral("Sprite sheet, st&ylesheet and page"), what);
  whatLayout->addWidget(UniformBox, 2, 0, 1, 4);
  whatLayout->addWidget(SheetBox, 3, 0, 1, 4);
  LightnessBox = new QSpinBox(what);
  LightnessBox->setRange(kHoverLightnessRange.low, kHoverLightnessRange.high);
  LightnessBox->setValue(kHoverLightnessRange.fallback);
  LightnessBox->setSuffix(QStringLiteral(" %"));
  ShiftBox = new QSpinBox(what);
  ShiftBox->setRange(kPressedShiftRange.low, kPressedShiftRange.high);
  ShiftBox->setValue(kPressedShiftRange.fallback);
  ShiftBox->setSuffix(QStringLiteral(" px"));
  auto* lightnessLabel = new QLabel(QStringLiteral("Hover &lightness"), what);
  lightnessLabel->setBuddy(LightnessBox);
  auto* shiftLabel = new QLabel(QStringLiteral("Pressed shi&ft"), what);
  shiftLabel->setBuddy(ShiftBox);
  whatLayout->addWidget(lightnessLabel, 4, 0, 1, 2);
  whatLayout->addWidget(LightnessBox, 4, 2);
  whatLayout->addWidget(shiftLabel, 5, 0, 1, 2);
  whatLayout->addWidget(ShiftBox, 5, 2);

  auto* named = new QGroupBox(QStringLiteral("Captions"), this);
  CaptionTable = new QTableWidget(0, 3, named);
  CaptionTable->setHorizontalHeaderLabels(
      {QStringLiteral("Text"), QStringLiteral("Name"), QStringLiteral("Link")});
  CaptionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  CaptionTable->setSelectionMode(QAbstractItemView::SingleSelection);
  CaptionTable->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
  // A few rows and the header; more scroll.
  CaptionTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  CaptionTable->setFixedHeight(CaptionTable->horizontalHeader()->sizeHint().height() +
                               kCaptionRowsShown *
                                   CaptionTable->verticalHeader()->defaultSectionSize() +
                               2 * CaptionTable->frameWidth());
  CaptionProblemLabel = new QLabel(named);
  CaptionProblemLabel->setWordWrap(true);
  CaptionProblemLabel->setPalette(warning);
  CaptionProblemLabel->hide();
  auto* namedLayout = new QVBoxLayout(named);
  namedLayout->addWidget(CaptionTable);
  namedLayout->addWidget(CaptionProblemLabel);

  auto* seen = new QGroupBox(QStringLiteral("The current caption"), this);
  Strip = new StateStrip;
  StripArea = new QScrollArea(seen);
  StripArea->setWidget(Strip);
  StripArea->setWidgetResizable(true);
  StripArea->setFrameShape(QFrame::NoFrame);
  auto* seenLayout = new QVBoxLayout(seen);
  seenLayout->addWidget(StripArea);

  ExportButton = new QPushButton(QStringLiteral("&Export"), this);
  ExportButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ExportButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(what);
  layout->addWidget(named);
  layout->addWidget(seen, 1);
  layout->addLayout(buttons);

  restoreChoices(QString());

  connect(FolderButton, &QPushButton::clicked, this, [this] {
    const QString chosen =
        prompts_.chooseFolder(this, QStringLiteral("Folder of the set"), FolderEdit->text());
    if (!chosen.isEmpty()) FolderEdit->setText(QDir::toNativeSeparators(chosen));
  });
  connect(ExportButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(FolderEdit, &QLineEdit::textChanged, this, &SetExportDialog::optionsChanged);
  connect(PrefixEdit, &QLineEdit::textChanged, this, &SetExportDialog::optionsChanged);
  for (QCheckBox* box : {StateBoxes[0], StateBoxes[1], StateBoxes[2], StateBoxes[3], OneXBox,
                         TwoXBox, UniformBox, SheetBox}) {
    connect(box, &QCheckBox::toggled, this, &SetExportDialog::optionsChanged);
  }
  connect(LightnessBox, &QSpinBox::valueChanged, this, &SetExportDialog::optionsChanged);
  connect(ShiftBox, &QSpinBox::valueChanged, this, &SetExportDialog::optionsChanged);
  connect(CaptionTable, &QTableWidget::itemChanged, this, &SetExportDialog::captionCellChanged);
  optionsChanged();
}

void SetExportDialog::setLook(const ButtonLook& look,
                              const QMap<ButtonState, ButtonLook>& stateLooks) {
  look_ = look;
  stateLooks_ = stateLooks;
  optionsChanged();
}

void SetExportDialog::setCaptions(const QList<Caption>& captions, int current) {
  captions_ = captions;
  current_ = current;
  fillingTable_ = true;
  CaptionTable->setRowCount(static_cast<int>(captions.size()));
  for (int row = 0; row < captions.size(); ++row) {
    const Caption& caption = captions[row];
    auto* text = new QTableWidgetItem(QString(caption.text).replace(u'\n', u' '));
    text->setFlags(text->flags() & ~Qt::ItemIsEditable);
    text->setToolTip(caption.text);
    CaptionTable->setItem(row, TextColumn, text);
    CaptionTable->setItem(row, NameColumn, new QTableWidgetItem(caption.name));
    CaptionTable->setItem(row, LinkColumn, new QTableWidgetItem(caption.link));
  }
  fillingTable_ = false;
  CaptionProblemLabel->hide();
}

QString SetExportDialog::nameProblem(int index, const QString& name) const {
  if (name.isEmpty()) return {};
  const QString problem = CaptionNameProblem(name);
  if (!problem.isEmpty()) return problem;
  for (qsizetype other = 0; other < captions_.size(); ++other) {
    if (other != index && captions_[other].name == name)
      return QStringLiteral("\"%1\" is the name of caption %2 too").arg(name).arg(other + 1);
  }
  return {};
}

void SetExportDialog::captionCellChanged(QTableWidgetItem* item) {
  if (fillingTable_) return;
  const int row = item->row();
  if (row < 0 || row >= captions_.size()) return;
  Caption caption = captions_[row];
  if (item->column() == NameColumn) {
    const QString problem = nameProblem(row, item->text());
    if (!problem.isEmpty()) {
      // Refused where it was typed: the cell shows the name the caption keeps.
      fillingTable_ = true;
      item->setText(caption.name);
      fillingTable_ = false;
      CaptionProblemLabel->setText(
          QStringLiteral("Caption %1 keeps its name: %2.").arg(row + 1).arg(problem));
      CaptionProblemLabel->show();
      return;
    }
    caption.name = item->text();
  } else if (item->column() == LinkColumn) {
    caption.link = item->text();
  } else {
    return;
  }
  CaptionProblemLabel->hide();
  if (caption == captions_[row]) return;
  captions_[row] = caption;
  emit captionEdited(row, caption);
  optionsChanged();  // a name changes the files and classes
}

ButtonSetOptions SetExportDialog::options() const {
  ButtonSetOptions o;
  o.folder = QDir::fromNativeSeparators(FolderEdit->text().trimmed());
  o.prefix = PrefixEdit->text();
  o.states.clear();
  for (int i = 0; i < 4; ++i) {
    if (StateBoxes[i]->isChecked()) o.states << kAllStates[i];
  }
  o.scales.clear();
  if (OneXBox->isChecked()) o.scales << 1;
  if (TwoXBox->isChecked()) o.scales << 2;
  o.uniform = UniformBox->isChecked();
  o.sheet = SheetBox->isChecked();
  o.stateOptions.hoverLightness = LightnessBox->value();
  o.stateOptions.pressedShift = ShiftBox->value();
  o.stateLooks = stateLooks_;
  return o;
}

SetChoices SetExportDialog::choices() const {
  const ButtonSetOptions o = options();
  SetChoices c;
  c.folder = o.folder;
  c.prefix = o.prefix;
  // The boxes have one order; a design's own order of the same states and scales stays.
  const auto sameItems = [](auto a, auto b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
  };
  c.states = sameItems(o.states, shownChoices_.states) ? shownChoices_.states : o.states;
  c.scales = sameItems(o.scales, shownChoices_.scales) ? shownChoices_.scales : o.scales;
  c.uniform = o.uniform;
  c.sheet = o.sheet;
  c.stateOptions = o.stateOptions;
  return c;
}

void SetExportDialog::showChoices(const SetChoices& c) {
  shownChoices_ = c;
  if (!c.folder.isEmpty()) FolderEdit->setText(QDir::toNativeSeparators(c.folder));
  PrefixEdit->setText(c.prefix);
  for (int i = 0; i < 4; ++i)
    StateBoxes[i]->setChecked(c.states.contains(kAllStates[i]));
  OneXBox->setChecked(c.scales.contains(1));
  TwoXBox->setChecked(c.scales.contains(2));
  UniformBox->setChecked(c.uniform);
  SheetBox->setChecked(c.sheet);
  LightnessBox->setValue(c.stateOptions.hoverLightness);
  ShiftBox->setValue(c.stateOptions.pressedShift);
}

void SetExportDialog::optionsChanged() {
  const ButtonSetOptions o = options();
  ExampleLabel->setText(QStringLiteral("ex. %1").arg(CaptionFileName(
      o.prefix, captions_.value(0), 0,
      SetImageEnding(o.states.value(0, ButtonState::Normal), o.scales.value(0, 1)))));
  // What keeps the set from being written, said in the dialog itself.
  QString problem;
  if (CheckSetOptions(o, &problem)) problem = SetFilesProblem(o, captions_);
  ProblemLabel->setText(problem);
  ProblemLabel->setVisible(!problem.isEmpty());
  ButtonSetRenderer set(look_, captions_, o);
  QString error;
  if (!set.prepare(&error)) {
    Strip->showMessage(error);
    ExportButton->setEnabled(false);
    return;
  }
  // The strip is a preview: it must not move the program's generator, which the export and
  // the editor's own renders continue.
  const std::uint32_t seed = RandomSeed();
  QList<QImage> images;
  const int slot = std::clamp(current_, 0, set.captionCount() - 1);
  for (ButtonState state : o.states) {
    QImage oneX, twoX;
    if (!set.render(slot, state, &oneX, &twoX, &error)) break;
    images << (oneX.isNull() ? twoX : oneX);
  }
  SetRandomSeed(seed);
  if (images.size() != o.states.size()) {
    Strip->showMessage(QStringLiteral("The button cannot be rendered.\n%1").arg(error));
    ExportButton->setEnabled(false);
    return;
  }
  Strip->setImages(images, o.states);
  fitStripToScreen();
  ExportButton->setEnabled(problem.isEmpty());
}

void SetExportDialog::fitStripToScreen() {
  FitScrollAreaToScreen(this, StripArea, Strip->minimumSize());
}

void SetExportDialog::saveChoices() const {
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const ButtonSetOptions o = options();
  settings.setValue(QStringLiteral("folder"), o.folder);
  settings.setValue(QStringLiteral("prefix"), o.prefix);
  QStringList states;
  for (ButtonState state : o.states)
    states << StateName(state);
  settings.setValue(QStringLiteral("states"), states);
  settings.setValue(QStringLiteral("oneX"), OneXBox->isChecked());
  settings.setValue(QStringLiteral("twoX"), TwoXBox->isChecked());
  settings.setValue(QStringLiteral("uniform"), o.uniform);
  settings.setValue(QStringLiteral("sheet"), o.sheet);
  settings.setValue(QStringLiteral("hoverLightness"), o.stateOptions.hoverLightness);
  settings.setValue(QStringLiteral("pressedShift"), o.stateOptions.pressedShift);
}

void SetExportDialog::restoreChoices(const QString& proposedFolder) {
  shownChoices_ = SetChoices{};
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const ButtonSetOptions defaults;
  const QString folder = settings.value(QStringLiteral("folder")).toString();
  FolderEdit->setText(
      QDir::toNativeSeparators(QFileInfo(folder).isDir() ? folder : proposedFolder));
  PrefixEdit->setText(settings.value(QStringLiteral("prefix"), defaults.prefix).toString());
  QStringList defaultStates;
  for (ButtonState state : defaults.states)
    defaultStates << StateName(state);
  const QStringList states = settings.value(QStringLiteral("states"), defaultStates).toStringList();
  for (int i = 0; i < 4; ++i)
    StateBoxes[i]->setChecked(states.contains(StateName(kAllStates[i])));
  OneXBox->setChecked(settings.value(QStringLiteral("oneX"), defaults.scales.contains(1)).toBool());
  TwoXBox->setChecked(settings.value(QStringLiteral("twoX"), defaults.scales.contains(2)).toBool());
  UniformBox->setChecked(settings.value(QStringLiteral("uniform"), defaults.uniform).toBool());
  SheetBox->setChecked(settings.value(QStringLiteral("sheet"), defaults.sheet).toBool());
  LightnessBox->setValue(
      settings.value(QStringLiteral("hoverLightness"), defaults.stateOptions.hoverLightness)
          .toInt());
  ShiftBox->setValue(
      settings.value(QStringLiteral("pressedShift"), defaults.stateOptions.pressedShift).toInt());
}
