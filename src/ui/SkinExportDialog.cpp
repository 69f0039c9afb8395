#include "SkinExportDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
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

  QGroupBox* where = addWhereGroup(this);

  auto* what = new QGroupBox(QStringLiteral("Images and files"), this);
  auto* whatLayout = new QGridLayout(what);
  addStateBoxes(what, whatLayout);
  WebBox = new QCheckBox(QStringLiteral("&Web: images, stylesheet and page"), what);
  NinePatchBox = new QCheckBox(QStringLiteral("Nine-p&atches (.9.png)"), what);
  ImagineBox = new QCheckBox(QStringLiteral("Qt Quick &Imagine style"), what);
  JsonBox = new QCheckBox(QStringLiteral("&JSON for game engines"), what);
  whatLayout->addWidget(WebBox, 2, 0, 1, 2);
  whatLayout->addWidget(NinePatchBox, 2, 2, 1, 2);
  whatLayout->addWidget(ImagineBox, 3, 0, 1, 2);
  whatLayout->addWidget(JsonBox, 3, 2, 1, 2);
  addStateLookBoxes(what, whatLayout);
  // The boxes keep their places when a large skin widens the dialog.
  whatLayout->setColumnStretch(4, 1);

  auto* seen = new QGroupBox(QStringLiteral("The current caption on the skin"), this);
  Strip = new SkinStrip;
  addStripArea(seen, Strip);
  WarningLabel = MessageLabel(seen, QColor(130, 80, 0));
  auto* seenLayout = new QVBoxLayout(seen);
  seenLayout->addWidget(StripArea, 1);
  seenLayout->addWidget(WarningLabel);

  QHBoxLayout* buttons = addDialogButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(what);
  layout->addWidget(seen, 1);
  layout->addLayout(buttons);

  restoreChoices(QString());

  connectChoices(this, prompts_, QStringLiteral("Folder of the skin"),
                 [this] { optionsChanged(); });
  for (QCheckBox* box : {WebBox, NinePatchBox, ImagineBox, JsonBox})
    connect(box, &QCheckBox::toggled, this, &SkinExportDialog::optionsChanged);
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
  stateChoices().into(o);
  o.outputs =
      (WebBox->isChecked() ? kSkinWeb : 0u) | (NinePatchBox->isChecked() ? kSkinNinePatch : 0u) |
      (ImagineBox->isChecked() ? kSkinImagine : 0u) | (JsonBox->isChecked() ? kSkinJson : 0u);
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
  saveStateChoices(settings);
  settings.setValue(QStringLiteral("web"), WebBox->isChecked());
  settings.setValue(QStringLiteral("ninePatch"), NinePatchBox->isChecked());
  settings.setValue(QStringLiteral("imagine"), ImagineBox->isChecked());
  settings.setValue(QStringLiteral("json"), JsonBox->isChecked());
}

void SkinExportDialog::restoreChoices(const QString& proposedFolder) {
  // One update for all the boxes, not one per box.
  restoring_ = true;
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const SkinOptions defaults;
  restoreStateChoices(settings, proposedFolder, StateChoices::of(defaults));
  const auto output = [&](const char* key, unsigned flag) {
    return settings.value(QString::fromLatin1(key), (defaults.outputs & flag) != 0).toBool();
  };
  WebBox->setChecked(output("web", kSkinWeb));
  NinePatchBox->setChecked(output("ninePatch", kSkinNinePatch));
  ImagineBox->setChecked(output("imagine", kSkinImagine));
  JsonBox->setChecked(output("json", kSkinJson));
  restoring_ = false;
  optionsChanged();
}
