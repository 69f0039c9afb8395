#include "SetExportDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
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

  QGroupBox* where = addWhereGroup(this);

  auto* what = new QGroupBox(QStringLiteral("Images"), this);
  auto* whatLayout = new QGridLayout(what);
  addStateBoxes(what, whatLayout);
  UniformBox = new QCheckBox(QStringLiteral("Same &size for every caption"), what);
  SheetBox = new QCheckBox(QStringLiteral("Sprite sheet, st&ylesheet and page"), what);
  whatLayout->addWidget(UniformBox, 2, 0, 1, 4);
  whatLayout->addWidget(SheetBox, 3, 0, 1, 4);
  addStateLookBoxes(what, whatLayout);

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
  CaptionProblemLabel = MessageLabel(named, QColor(160, 0, 0));
  auto* namedLayout = new QVBoxLayout(named);
  namedLayout->addWidget(CaptionTable);
  namedLayout->addWidget(CaptionProblemLabel);

  auto* seen = new QGroupBox(QStringLiteral("The current caption"), this);
  Strip = new StateStrip;
  addStripArea(seen, Strip);
  auto* seenLayout = new QVBoxLayout(seen);
  seenLayout->addWidget(StripArea);

  QHBoxLayout* buttons = addDialogButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(where);
  layout->addWidget(what);
  layout->addWidget(named);
  layout->addWidget(seen, 1);
  layout->addLayout(buttons);

  restoreChoices(QString());

  connectChoices(this, prompts_, QStringLiteral("Folder of the set"), [this] { optionsChanged(); });
  for (QCheckBox* box : {UniformBox, SheetBox})
    connect(box, &QCheckBox::toggled, this, &SetExportDialog::optionsChanged);
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
  stateChoices().into(o);
  o.uniform = UniformBox->isChecked();
  o.sheet = SheetBox->isChecked();
  o.stateLooks = stateLooks_;
  return o;
}

SetChoices SetExportDialog::choices() const {
  const ButtonSetOptions o = options();
  SetChoices c;
  StateChoices::of(o).into(c);
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
  return c;
}

void SetExportDialog::showChoices(const SetChoices& c) {
  shownChoices_ = c;
  showStateChoices(StateChoices::of(c));
  UniformBox->setChecked(c.uniform);
  SheetBox->setChecked(c.sheet);
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
  saveStateChoices(settings);
  settings.setValue(QStringLiteral("uniform"), UniformBox->isChecked());
  settings.setValue(QStringLiteral("sheet"), SheetBox->isChecked());
}

void SetExportDialog::restoreChoices(const QString& proposedFolder) {
  shownChoices_ = SetChoices{};
  EditorSettings settings;
  settings.beginGroup(kGroup);
  const ButtonSetOptions defaults;
  restoreStateChoices(settings, proposedFolder, StateChoices::of(defaults));
  UniformBox->setChecked(settings.value(QStringLiteral("uniform"), defaults.uniform).toBool());
  SheetBox->setChecked(settings.value(QStringLiteral("sheet"), defaults.sheet).toBool());
}
