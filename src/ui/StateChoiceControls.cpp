#include "StateChoiceControls.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>

#include "Prompts.h"

QLabel* MessageLabel(QWidget* parent, QColor colour) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->hide();
  return label;
}

QGroupBox* StateChoiceControls::addWhereGroup(QWidget* dialog) {
  auto* where = new QGroupBox(QStringLiteral("Folder and name"), dialog);
  FolderEdit = new QLineEdit(where);
  FolderButton = new QPushButton(QStringLiteral("&Choose..."), where);
  PrefixEdit = new QLineEdit(where);
  ExampleLabel = new QLabel(where);
  auto* layout = new QGridLayout(where);
  layout->addWidget(new QLabel(QStringLiteral("Folder"), where), 0, 0);
  layout->addWidget(FolderEdit, 0, 1);
  layout->addWidget(FolderButton, 0, 2);
  layout->addWidget(new QLabel(QStringLiteral("Prefix"), where), 1, 0);
  layout->addWidget(PrefixEdit, 1, 1);
  layout->addWidget(ExampleLabel, 1, 2);
  ProblemLabel = MessageLabel(where, QColor(160, 0, 0));
  layout->addWidget(ProblemLabel, 2, 0, 1, 3);
  return where;
}

void StateChoiceControls::addStateBoxes(QGroupBox* group, QGridLayout* layout) {
  const char* stateCaptions[] = {"&Normal", "&Hover", "&Pressed", "&Disabled"};
  for (int i = 0; i < 4; ++i) {
    StateBoxes[i] = new QCheckBox(QString::fromLatin1(stateCaptions[i]), group);
    layout->addWidget(StateBoxes[i], 0, i);
  }
  OneXBox = new QCheckBox(QStringLiteral("&1x"), group);
  TwoXBox = new QCheckBox(QStringLiteral("&2x"), group);
  layout->addWidget(OneXBox, 1, 0);
  layout->addWidget(TwoXBox, 1, 1);
}

void StateChoiceControls::addStateLookBoxes(QGroupBox* group, QGridLayout* layout) {
  LightnessBox = new QSpinBox(group);
  LightnessBox->setRange(kHoverLightnessRange.low, kHoverLightnessRange.high);
  LightnessBox->setSuffix(QStringLiteral(" %"));
  ShiftBox = new QSpinBox(group);
  ShiftBox->setRange(kPressedShiftRange.low, kPressedShiftRange.high);
  ShiftBox->setSuffix(QStringLiteral(" px"));
  auto* lightnessLabel = new QLabel(QStringLiteral("Hover &lightness"), group);
  lightnessLabel->setBuddy(LightnessBox);
  auto* shiftLabel = new QLabel(QStringLiteral("Pressed shi&ft"), group);
  shiftLabel->setBuddy(ShiftBox);
  layout->addWidget(lightnessLabel, 4, 0, 1, 2);
  layout->addWidget(LightnessBox, 4, 2);
  layout->addWidget(shiftLabel, 5, 0, 1, 2);
  layout->addWidget(ShiftBox, 5, 2);
}

void StateChoiceControls::addStripArea(QGroupBox* group, QWidget* strip) {
  StripArea = new QScrollArea(group);
  StripArea->setWidget(strip);
  StripArea->setWidgetResizable(true);
  StripArea->setFrameShape(QFrame::NoFrame);
}

QHBoxLayout* StateChoiceControls::addDialogButtons(QDialog* dialog) {
  ExportButton = new QPushButton(QStringLiteral("&Export"), dialog);
  ExportButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), dialog);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ExportButton);
  buttons->addWidget(CancelButton);
  QObject::connect(ExportButton, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(CancelButton, &QPushButton::clicked, dialog, &QDialog::reject);
  return buttons;
}

void StateChoiceControls::connectChoices(QWidget* dialog, Prompts& prompts,
                                         const QString& folderTitle,
                                         const std::function<void()>& changed) {
  QObject::connect(
      FolderButton, &QPushButton::clicked, dialog, [this, dialog, &prompts, folderTitle] {
        const QString chosen = prompts.chooseFolder(dialog, folderTitle, FolderEdit->text());
        if (!chosen.isEmpty()) FolderEdit->setText(QDir::toNativeSeparators(chosen));
      });
  QObject::connect(FolderEdit, &QLineEdit::textChanged, dialog, changed);
  QObject::connect(PrefixEdit, &QLineEdit::textChanged, dialog, changed);
  for (QCheckBox* box :
       {StateBoxes[0], StateBoxes[1], StateBoxes[2], StateBoxes[3], OneXBox, TwoXBox}) {
    QObject::connect(box, &QCheckBox::toggled, dialog, changed);
  }
  QObject::connect(LightnessBox, &QSpinBox::valueChanged, dialog, changed);
  QObject::connect(ShiftBox, &QSpinBox::valueChanged, dialog, changed);
}

StateChoices StateChoiceControls::stateChoices() const {
  StateChoices c;
  c.folder = QDir::fromNativeSeparators(FolderEdit->text().trimmed());
  c.prefix = PrefixEdit->text();
  for (int i = 0; i < 4; ++i) {
    if (StateBoxes[i]->isChecked()) c.states << kAllStates[i];
  }
  if (OneXBox->isChecked()) c.scales << 1;
  if (TwoXBox->isChecked()) c.scales << 2;
  c.stateOptions.hoverLightness = LightnessBox->value();
  c.stateOptions.pressedShift = ShiftBox->value();
  return c;
}

void StateChoiceControls::showStateChoices(const StateChoices& c) {
  if (!c.folder.isEmpty()) FolderEdit->setText(QDir::toNativeSeparators(c.folder));
  showBoxes(c);
}

void StateChoiceControls::showBoxes(const StateChoices& c) {
  PrefixEdit->setText(c.prefix);
  for (int i = 0; i < 4; ++i)
    StateBoxes[i]->setChecked(c.states.contains(kAllStates[i]));
  OneXBox->setChecked(c.scales.contains(1));
  TwoXBox->setChecked(c.scales.contains(2));
  LightnessBox->setValue(c.stateOptions.hoverLightness);
  ShiftBox->setValue(c.stateOptions.pressedShift);
}

void StateChoiceControls::saveStateChoices(QSettings& settings) const {
  const StateChoices c = stateChoices();
  settings.setValue(QStringLiteral("folder"), c.folder);
  settings.setValue(QStringLiteral("prefix"), c.prefix);
  QStringList states;
  for (ButtonState state : c.states)
    states << StateName(state);
  settings.setValue(QStringLiteral("states"), states);
  settings.setValue(QStringLiteral("oneX"), OneXBox->isChecked());
  settings.setValue(QStringLiteral("twoX"), TwoXBox->isChecked());
  settings.setValue(QStringLiteral("hoverLightness"), c.stateOptions.hoverLightness);
  settings.setValue(QStringLiteral("pressedShift"), c.stateOptions.pressedShift);
}

void StateChoiceControls::restoreStateChoices(const QSettings& settings,
                                              const QString& proposedFolder,
                                              const StateChoices& defaults) {
  const QString folder = settings.value(QStringLiteral("folder")).toString();
  FolderEdit->setText(
      QDir::toNativeSeparators(QFileInfo(folder).isDir() ? folder : proposedFolder));
  StateChoices c;
  c.prefix = settings.value(QStringLiteral("prefix"), defaults.prefix).toString();
  QStringList defaultStates;
  for (ButtonState state : defaults.states)
    defaultStates << StateName(state);
  const QStringList states = settings.value(QStringLiteral("states"), defaultStates).toStringList();
  for (ButtonState state : kAllStates) {
    if (states.contains(StateName(state))) c.states << state;
  }
  if (settings.value(QStringLiteral("oneX"), defaults.scales.contains(1)).toBool()) c.scales << 1;
  if (settings.value(QStringLiteral("twoX"), defaults.scales.contains(2)).toBool()) c.scales << 2;
  c.stateOptions.hoverLightness =
      settings.value(QStringLiteral("hoverLightness"), defaults.stateOptions.hoverLightness)
          .toInt();
  c.stateOptions.pressedShift =
      settings.value(QStringLiteral("pressedShift"), defaults.stateOptions.pressedShift).toInt();
  showBoxes(c);
}
