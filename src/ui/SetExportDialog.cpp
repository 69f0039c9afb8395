#include "SetExportDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "Checkerboard.h"
#include "DesignConversion.h"
#include "EditorSettings.h"
#include "ExportSeries.h"
#include "FormLook.h"
#include "RandomDesign.h"

namespace {
constexpr int kStripGap = 12;
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
  optionsChanged();
}

void SetExportDialog::setLook(const ButtonLook& look) {
  look_ = look;
  optionsChanged();
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
  return o;
}

void SetExportDialog::optionsChanged() {
  const ButtonSetOptions o = options();
  ExampleLabel->setText(QStringLiteral("ex. %1").arg(SeriesName(
      o.prefix, 1, SetImageEnding(o.states.value(0, ButtonState::Normal), o.scales.value(0, 1)))));
  // What keeps the set from being written, said in the dialog itself.
  QString problem;
  if (CheckSetOptions(o, &problem)) problem.clear();
  ProblemLabel->setText(problem);
  ProblemLabel->setVisible(!problem.isEmpty());
  ButtonSetRenderer set(look_, DesignOfRecord(look_.design, look_.font).captions, o);
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
  const int slot = std::clamp(look_.design.TextIndex, 0, set.captionCount() - 1);
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
  const QScreen* display = screen();
  if (!display) return;
  const QRect room = display->availableGeometry();
  // Everything but the strip: the dialog's frame (a guess before it is first shown), its
  // layout's margins and the group box around the strip, and the rows above and below.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 40);
  const QSize around = StripArea->parentWidget()->size() - StripArea->size();
  const QMargins margins = layout()->contentsMargins();
  const int otherHeight = layout()->minimumSize().height() - StripArea->minimumHeight();
  const int roomWidth = room.width() - frame.width() - margins.left() - margins.right() -
                        std::max(around.width(), 24);
  const int roomHeight = room.height() - frame.height() - otherHeight;
  const QSize whole = Strip->minimumSize();
  QSize shown(std::min(whole.width(), roomWidth), std::min(whole.height(), roomHeight));
  // A scroll bar takes room of its own.
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (whole.width() > shown.width()) shown.rheight() += bar;
  if (whole.height() > shown.height()) shown.rwidth() += bar;
  StripArea->setMinimumSize(shown.boundedTo(QSize(roomWidth, roomHeight)));
  // At its new size before it is shown, so that it is placed on the screen as it will be:
  // the group box around the strip passes the new size on only from the event loop.
  StripArea->parentWidget()->updateGeometry();
  layout()->activate();
  if (!isVisible()) adjustSize();
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
