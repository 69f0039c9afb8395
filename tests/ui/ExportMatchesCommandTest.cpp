// The editor's exports are the command's output for the same design, byte for byte, whatever
// the editor drew before them: a button's pixels are a function of its design, its font and
// its texture alone.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "DesignFiles.h"
#include "EditorFixture.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportMatchesCommandTest : public EditorTest {
 protected:
  // The file the command writes for the editor's design, saved as `designFile`, with these
  // options.
  QByteArray commandOutput(const QString& name, const QStringList& options,
                           const QString& designFile = QStringLiteral("design.kq")) {
    const QString design = dir.filePath(designFile);
    QString error;
    EXPECT_TRUE(WriteDesign(design, form->design(), &error));
    const QString out = dir.filePath(QStringLiteral("command-") + name);
    QProcess command;
    command.start(QStringLiteral(TESSARO_BINARY_DIR "/cli/tessaro-render"),
                  QStringList{design, QStringLiteral("-o"), out} + options);
    EXPECT_TRUE(command.waitForFinished(60000));
    EXPECT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    return Bytes(out);
  }

  QTemporaryDir dir;
};

TEST_F(ExportMatchesCommandTest, EveryImageExportIsTheCommandsOutputAfterAnyHistory) {
  // What the editor does between start-up and an export: other looks (other fonts and sizes
  // in the memo and the renders), and back.
  const std::pair<const char*, std::function<void()>> histories[] = {
      {"start-up", [] {}},
      {"a random look, undone",
       [&] {
         form->Randombutton1->trigger();
         form->Undo1->trigger();
       }},
      {"several random looks, undone",
       [&] {
         for (int i = 0; i < 4; ++i)
           form->Randombutton1->trigger();
         for (int i = 0; i < 4; ++i)
           form->Undo1->trigger();
       }},
  };
  const struct {
    QAction* ProbedForm::*action;
    const char* file;
    QStringList options;
  } exports[] = {
      {&ProbedForm::Png1, "button.png", {QStringLiteral("--transparent")}},
      {&ProbedForm::Jpeg1, "button.jpg", {}},
      {&ProbedForm::Bmp1, "button.bmp", {}},
  };
  for (const auto& [what, history] : histories) {
    SCOPED_TRACE(what);
    history();
    for (const auto& e : exports) {
      SCOPED_TRACE(e.file);
      const QString editorFile = dir.filePath(QStringLiteral("editor-") + e.file);
      form->fileAnswer = editorFile;
      (form.get()->*e.action)->trigger();
      const QByteArray fromEditor = Bytes(editorFile);
      ASSERT_FALSE(fromEditor.isEmpty());
      EXPECT_EQ(fromEditor, commandOutput(e.file, e.options));
    }
  }
}

// The preview draws the caption as the design holds it, in any script: the editor's export is
// the command's render of the design document, which no design file could hold.
TEST_F(ExportMatchesCommandTest, ACaptionInAnyScriptIsExportedAsTheDocumentRendersIt) {
  const QString captions[] = {
      QStringLiteral("Главная страница"),
      QStringLiteral("الصفحة الرئيسية"),
      QStringLiteral("首页 ホーム 홈"),
      QStringLiteral("Zażółć gęślą\nΕλληνικά"),
  };
  for (const QString& caption : captions) {
    SCOPED_TRACE(caption.toStdString());
    typeInto(form->Buttontext, QString());
    QGuiApplication::clipboard()->setText(caption);
    QTest::keyClick(form->Buttontext, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(design().currentText(), caption);
    const QString editorFile = dir.filePath(QStringLiteral("editor.png"));
    form->fileAnswer = editorFile;
    form->Png1->trigger();
    const QByteArray fromEditor = Bytes(editorFile);
    ASSERT_FALSE(fromEditor.isEmpty());
    EXPECT_EQ(fromEditor,
              commandOutput(QStringLiteral("button.png"), {QStringLiteral("--transparent")},
                            QStringLiteral("design.tessaro")));
    EXPECT_NE(fromEditor,
              commandOutput(QStringLiteral("button.png"), {QStringLiteral("--transparent")}))
        << "the design file's \"?\" are not what the editor shows";
  }
}

}  // namespace
