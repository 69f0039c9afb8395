// Export > "Skin...": the design without its caption in each state, as backgrounds that
// stretch behind live text on the web, in Qt Quick and in game engines.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "ButtonSet.h"
#include "DesignLooks.h"
#include "ExportMultipleDialog.h"
#include "MainWindow.h"
#include "Skin.h"
#include "SkinExportDialog.h"
#include "SkinWebPage.h"

namespace {
// The question before files of `existing` (names in `folder`) are replaced; a long list is
// cut short.
QString ReplaceQuestion(const QString& folder, const QStringList& existing) {
  constexpr int kNamed = 3;
  QString names = existing.mid(0, kNamed).join(QStringLiteral(", "));
  if (existing.size() > kNamed) {
    names += QStringLiteral(" and %1 more").arg(existing.size() - kNamed);
  }
  return QStringLiteral(
             "%1 already holds %2 of the skin's files (%3).\nDo you want to replace "
             "them?")
      .arg(QDir::toNativeSeparators(folder))
      .arg(existing.size())
      .arg(names);
}
}  // namespace

void TForm1::Exportskin1Click() {
  runExport(QStringLiteral("Skin"), &TForm1::exportSkin);
}

void TForm1::exportSkin() {
  if (refuseUnrendered(QStringLiteral("Nothing was exported"))) return;
  const ButtonLook look = SetLook(design_, Image2->picture());
  SkinDialog->restoreChoices(Form3->directory());
  SkinDialog->setLook(look, design_.captions, design_.current);
  if (!prompts_.run(SkinDialog)) return;
  SkinDialog->saveChoices();
  const SkinOptions options = SkinDialog->options();

  QStringList existing;
  for (const SkinFile& file : SkinFiles(options)) {
    if (QFileInfo::exists(QDir(options.folder).filePath(file.name))) existing << file.name;
  }
  if (!existing.isEmpty() &&
      !prompts_.askYesNo(this, ReplaceQuestion(options.folder, existing), false)) {
    return;
  }

  // The pages stay hidden while it is written, uncovering the wait label; nothing the user
  // does reaches the window meanwhile.
  PageControl1->hide();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QString error;
  const bool written = ExportSkin(look, design_.captions, design_.current, options, &error);
  PageControl1->show();
  if (!written) {
    showError(error);
    return;
  }
  const QString page = QDir(options.folder).filePath(SkinPageFileName(options.prefix));
  if ((options.outputs & kSkinWeb) &&
      prompts_.askYesNo(this,
                        QStringLiteral("The skin is written. Open %1 in the browser?")
                            .arg(QDir::toNativeSeparators(page)),
                        true)) {
    prompts_.openWebPage(QUrl::fromLocalFile(page));
  }
}
