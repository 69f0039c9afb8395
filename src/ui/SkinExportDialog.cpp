#include "SkinExportDialog.h"

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
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "Checkerboard.h"
#include "EditorSettings.h"
#include "FitToScreen.h"
#include "FormLook.h"
#include "RandomGenerator.h"
#include "SkinSample.h"
#include "SkinWebPage.h"

namespace {
constexpr int kGap = 12;
const QString kGroup = QStringLiteral("SkinExport");

QSize ShownSize(const QImage& image) {
  return image.deviceIndependentSize().toSize();
}

// Why nothing can be written into `folder`; empty when it is an existing folder.
QString FolderProblem(const QString& folder) {
  if (folder.isEmpty()) return QStringLiteral("Choose the folder of the skin.");
  if (!QFileInfo(folder).isDir()) {
    return QStringLiteral("%1 is not a folder: choose an existing folder.")
        .arg(QDir::toNativeSeparators(folder));
  }
  return {};
}

QLabel* MessageLabel(QWidget* parent, QColor colour) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->hide();
  return label;
}
}  // namespace

SkinStrip::SkinStrip(QWidget* parent) : QWidget(parent) {
  setMinimumHeight(90);
}

int SkinStrip::labelWidth() const {
  int width = 0;
  for (ButtonState state : kAllStates)
    width = std::max(width, fontMetrics().horizontalAdvance(StateName(state)));
  return width + kGap;
}

void SkinStrip::setRows(const QList<Row>& rows) {
  rows_ = rows;
  message_.clear();
  int width = 0;
  int height = 0;
  for (const Row& row : rows) {
    width = std::max(width, ShownSize(row.narrow).width() + kGap + ShownSize(row.wide).width());
    height += std::max(ShownSize(row.narrow).height(), ShownSize(row.wide).height()) + kGap;
  }
  // Its whole size; the dialog shows as much of it as the screen has room for.
  setMinimumSize(labelWidth() + width, std::max(90, height));
  update();
}

void SkinStrip::showMessage(const QString& text) {
  rows_.clear();
  message_ = text;
  setMinimumSize(0, 90);
  update();
}

void SkinStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!message_.isEmpty()) {
    painter.setPen(QColor(160, 0, 0));
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, message_);
    return;
  }
  const int left = labelWidth();
  int y = 0;
  for (const Row& row : rows_) {
    const QSize narrow = ShownSize(row.narrow);
    const QSize wide = ShownSize(row.wide);
    const int height = std::max(narrow.height(), wide.height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, y, left, height), Qt::AlignLeft | Qt::AlignVCenter,
                     StateName(row.state));
    const QRect first(QPoint(left, y), narrow);
    const QRect second(QPoint(first.right() + 1 + kGap, y), wide);
    PaintCheckerboard(painter, first);
    PaintCheckerboard(painter, second);
    painter.drawImage(first.topLeft(), row.narrow);
    painter.drawImage(second.topLeft(), row.wide);
    y += height + kGap;
  }
}

SkinExportDialog::SkinExportDialog(QWidget* parent, Prompts& prompts)
    : QDialog(parent), prompts_(prompts) {
  setWindowTitle(QStringLiteral("Export skin"));
  setFont(WindowFont());

  auto* where = new QGroupBox(QStringLiteral("Folder and name"), this);
  FolderEdit = new QLineEdit(where);
  FolderButton = new QPushButton(QStringLiteral("&Choose..."), where);
  PrefixEdit = new QLineEdit(where);
  ExampleLabel = new QLabel(where);
  auto* whereLayout = new QGridLayout(where);
  whereLayout->addWidget(new QLabel(QStringLiteral("Folder"), where), 0, 0);
  whereLayout->addWidget(FolderEdit, 0, 1);
  whereLayout->addWidget(FolderButton, 0, 2);
  whereLayout->addWidget(new QLabel(QStringLiteral("Prefix"), where), 1, 0);
  whereLayout->addWidget(PrefixEdit, 1, 1);
  whereLayout->addWidget(ExampleLabel, 1, 2);
  ProblemLabel = MessageLabel(where, QColor(160, 0, 0));
  whereLayout->addWidget(ProblemLabel, 2, 0, 1, 3);

  auto* what = new QGroupBox(QStringLiteral("Images and files"), this);
  auto* whatLayout = new QGridLayout(what);
  const char* stateCaptions[] = {"&Normal", "&Hover", "&Pressed", "&Disabled"};
  for (int i = 0; i < 4; ++i) {
    StateBoxes[i] = new QCheckBox(QString::fromLatin1(stateCaptions[i]), what);
    whatLayout->addWidget(StateBoxes[i], 0, i);
  }
  OneXBox = new QCheckBox(QStringLiteral("&1x"), what);
  TwoXBox = new QCheckBox(QStringLiteral("&2x"), what);
  whatLayout->addWidget(OneXBox, 1, 0);
  whatLayout->addWidget(TwoXBox, 1, 1);
  WebBox = new QCheckBox(QStringLiteral("&Web: images, stylesheet and page"), what);
  NinePatchBox = new QCheckBox(QStringLiteral("Nine-p&atches (.9.png)"), what);
  ImagineBox = new QCheckBox(QStringLiteral("Qt Quick &Imagine style"), what);
  JsonBox = new QCheckBox(QStringLiteral("&JSON for game engines"), what);
  whatLayout->addWidget(WebBox, 2, 0, 1, 2);
  whatLayout->addWidget(NinePatchBox, 2, 2, 1, 2);
  whatLayout->addWidget(ImagineBox, 3, 0, 1, 2);
  whatLayout->addWidget(JsonBox, 3, 2, 1, 2);
  LightnessBox = new QSpinBox(what);
  LightnessBox->setRange(kHoverLightnessRange.low, kHoverLightnessRange.high);
  LightnessBox->setSuffix(QStringLiteral(" %"));
  ShiftBox = new QSpinBox(what);
  ShiftBox->setRange(kPressedShiftRange.low, kPressedShiftRange.high);
  ShiftBox->setSuffix(QStringLiteral(" px"));
  auto* lightnessLabel = new QLabel(QStringLiteral("Hover &lightness"), what);
  lightnessLabel->setBuddy(LightnessBox);
  auto* shiftLabel = new QLabel(QStringLiteral("Pressed shi&ft"), what);
  shiftLabel->setBuddy(ShiftBox);
  whatLayout->addWidget(lightnessLabel, 4, 0, 1, 2);
  whatLayout->addWidget(LightnessBox, 4, 2);
  whatLayout->addWidget(shiftLabel, 5, 0, 1, 2);
  whatLayout->addWidget(ShiftBox, 5, 2);
  // The boxes keep their places when a large skin widens the dialog.
  whatLayout->setColumnStretch(4, 1);

  auto* seen = new QGroupBox(QStringLiteral("The current caption on the skin"), this);
  Strip = new SkinStrip;
  StripArea = new QScrollArea(seen);
  StripArea->setWidget(Strip);
  StripArea->setWidgetResizable(true);
  StripArea->setFrameShape(QFrame::NoFrame);
  WarningLabel = MessageLabel(seen, QColor(130, 80, 0));
  auto* seenLayout = new QVBoxLayout(seen);
  seenLayout->addWidget(StripArea, 1);
  seenLayout->addWidget(WarningLabel);

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
        prompts_.chooseFolder(this, QStringLiteral("Folder of the skin"), FolderEdit->text());
    if (!chosen.isEmpty()) FolderEdit->setText(QDir::toNativeSeparators(chosen));
  });
  connect(ExportButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(FolderEdit, &QLineEdit::textChanged, this, &SkinExportDialog::optionsChanged);
  connect(PrefixEdit, &QLineEdit::textChanged, this, &SkinExportDialog::optionsChanged);
  for (QCheckBox* box : {StateBoxes[0], StateBoxes[1], StateBoxes[2], StateBoxes[3], OneXBox,
                         TwoXBox, WebBox, NinePatchBox, ImagineBox, JsonBox}) {
    connect(box, &QCheckBox::toggled, this, &SkinExportDialog::optionsChanged);
  }
  connect(LightnessBox, &QSpinBox::valueChanged, this, &SkinExportDialog::optionsChanged);
  connect(ShiftBox, &QSpinBox::valueChanged, this, &SkinExportDialog::optionsChanged);
}

void SkinExportDialog::setLook(const ButtonLook& look, const QList<Caption>& captions,
                               int current) {
  look_ = look;
  captions_ = captions;
  current_ = current;
  stripMade_ = false;
  optionsChanged();
}

SkinOptions SkinExportDialog::options() const {
  SkinOptions o;
  o.folder = QDir::fromNativeSeparators(FolderEdit->text().trimmed());
  o.prefix = PrefixEdit->text();
  o.states.clear();
  for (int i = 0; i < 4; ++i) {
    if (StateBoxes[i]->isChecked()) o.states << kAllStates[i];
  }
  o.scales.clear();
  if (OneXBox->isChecked()) o.scales << 1;
  if (TwoXBox->isChecked()) o.scales << 2;
  o.outputs =
      (WebBox->isChecked() ? kSkinWeb : 0u) | (NinePatchBox->isChecked() ? kSkinNinePatch : 0u) |
      (ImagineBox->isChecked() ? kSkinImagine : 0u) | (JsonBox->isChecked() ? kSkinJson : 0u);
  o.stateOptions.hoverLightness = LightnessBox->value();
  o.stateOptions.pressedShift = ShiftBox->value();
  return o;
}

void SkinExportDialog::optionsChanged() {
  if (restoring_) return;
  const SkinOptions o = options();
  const QList<SkinFile> files = SkinFiles(o);
  ExampleLabel->setText(files.isEmpty() ? QString()
                                        : QStringLiteral("ex. %1").arg(files.first().name));
  // What keeps the skin from being written, said in the dialog itself.
  QString problem = FolderProblem(o.folder);
  if (problem.isEmpty()) problem = SkinOptionsProblem(o);
  ProblemLabel->setText(problem);
  ProblemLabel->setVisible(!problem.isEmpty());
  const bool shown = updateStrip(o);
  ExportButton->setEnabled(shown && problem.isEmpty());
}

bool SkinExportDialog::updateStrip(const SkinOptions& o) {
  // The strip draws the images of the screen's density, whichever scales are written.
  const int scale = prompts_.screenPixelRatio(this) >= 2 ? 2 : 1;
  if (stripMade_ && o.states == stripStates_ && o.stateOptions == stripStateOptions_ &&
      scale == stripScale_) {
    return stripOk_;
  }
  stripMade_ = true;
  stripStates_ = o.states;
  stripStateOptions_ = o.stateOptions;
  stripScale_ = scale;
  stripOk_ = false;

  SkinOptions shown;
  shown.states = o.states;
  shown.stateOptions = o.stateOptions;
  shown.scales = {scale};
  // The strip is a preview: it must not move the program's generator, which the export and
  // the editor's own renders continue.
  const std::uint32_t seed = RandomSeed();
  Skin skin;
  QString error;
  const bool made = MakeSkin(look_, captions_.value(current_).text, shown, &skin, &error);
  SetRandomSeed(seed);
  if (!made) {
    Strip->showMessage(error);
    WarningLabel->hide();
    return false;
  }

  QString text = SkinPageCaption(captions_.value(current_).text);
  if (text.isEmpty()) text = SkinPageCaptions(captions_).value(0);
  QList<SkinStrip::Row> rows;
  for (const SkinStateImage& state : skin.states) {
    SkinStrip::Row row;
    row.state = state.state;
    // The box a page gives the caption, but never narrower than the skin: a page shows a
    // short caption on a button narrower than the design, which stretches nothing.
    row.narrow = SkinSample(skin, state, text, skin.size.width(), scale);
    // Wide enough to see the band stretch, not so wide that a large button fills the screen.
    const int narrow = ShownSize(row.narrow).width();
    row.wide = SkinSample(skin, state, text, narrow + std::max(48, narrow / 2), scale);
    rows << row;
  }
  Strip->setRows(rows);
  QString warning;
  if (!skin.warnings.isEmpty()) {
    warning = QStringLiteral("Where a wider or taller button would look different:");
    for (const QString& line : skin.warnings)
      warning += QStringLiteral("\n\u2022 ") + line;
  }
  WarningLabel->setText(warning);
  WarningLabel->setVisible(!warning.isEmpty());
  FitScrollAreaToScreen(this, StripArea, Strip->minimumSize());
  stripOk_ = true;
  return true;
}

void SkinExportDialog::saveChoices() const {
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const SkinOptions o = options();
  settings.setValue(QStringLiteral("folder"), o.folder);
  settings.setValue(QStringLiteral("prefix"), o.prefix);
  QStringList states;
  for (ButtonState state : o.states)
    states << StateName(state);
  settings.setValue(QStringLiteral("states"), states);
  settings.setValue(QStringLiteral("oneX"), OneXBox->isChecked());
  settings.setValue(QStringLiteral("twoX"), TwoXBox->isChecked());
  settings.setValue(QStringLiteral("web"), WebBox->isChecked());
  settings.setValue(QStringLiteral("ninePatch"), NinePatchBox->isChecked());
  settings.setValue(QStringLiteral("imagine"), ImagineBox->isChecked());
  settings.setValue(QStringLiteral("json"), JsonBox->isChecked());
  settings.setValue(QStringLiteral("hoverLightness"), o.stateOptions.hoverLightness);
  settings.setValue(QStringLiteral("pressedShift"), o.stateOptions.pressedShift);
}

void SkinExportDialog::restoreChoices(const QString& proposedFolder) {
  // One update for all the boxes, not one per box.
  restoring_ = true;
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const SkinOptions defaults;
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
  const auto output = [&](const char* key, unsigned flag) {
    return settings.value(QString::fromLatin1(key), (defaults.outputs & flag) != 0).toBool();
  };
  WebBox->setChecked(output("web", kSkinWeb));
  NinePatchBox->setChecked(output("ninePatch", kSkinNinePatch));
  ImagineBox->setChecked(output("imagine", kSkinImagine));
  JsonBox->setChecked(output("json", kSkinJson));
  LightnessBox->setValue(
      settings.value(QStringLiteral("hoverLightness"), defaults.stateOptions.hoverLightness)
          .toInt());
  ShiftBox->setValue(
      settings.value(QStringLiteral("pressedShift"), defaults.stateOptions.pressedShift).toInt());
  restoring_ = false;
  optionsChanged();
}
