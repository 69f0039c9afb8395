#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <random>
#include <string>

#include "AtomicFile.h"
#include "ButtonDesign.h"
#include "DesignFile.h"
#include "ForkedChild.h"
#include "ImageExport.h"

// Every writer replaces a file only once the new one is complete: a full disk, a folder
// that may not be written, or a folder in the way must cost nothing that was there.

namespace {

using Writer = std::function<bool(const QString& path, QString* error)>;

// A noisy picture, so that even the JPEG runs far past the small file-size limit below.
QImage NoisyButton() {
  QImage image(506, 256, QImage::Format_RGB32);
  std::mt19937 random(7);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, random() | 0xff000000u);
  }
  return image;
}

struct WriterCase {
  const char* name;
  const char* file;
  Writer write;
};

void PrintTo(const WriterCase& c, std::ostream* out) {
  *out << c.name;
}

const WriterCase kWriters[] = {
    {"ExportJpeg", "button.jpg",
     [](const QString& path, QString* error) { return ExportJpeg(NoisyButton(), path, error); }},
    {"ExportBmp", "button.bmp",
     [](const QString& path, QString* error) { return ExportBmp(NoisyButton(), path, error); }},
    {"SaveDesign", "design.kq",
     [](const QString& path, QString* error) {
       ButtonDesign design{};
       CaptionFont font;
       ResetDesignFields(design, font);
       return SaveDesign(path, design, font, error);
     }},
    {"WriteFileAtomically", "data.bin",
     [](const QString& path, QString* error) {
       return WriteFileAtomically(path, QByteArray(64 * 1024, 'n'), error);
     }},
};

// What a child reports through its exit code.
enum Verdict : int { kRefused = 0, kClaimedSuccess = 1, kPathNotNamed = 2, kNoMessage = 3 };

int Judge(const WriterCase& writer, const QString& path, const char* expectedStart) {
  QString error;
  if (writer.write(path, &error)) return kClaimedSuccess;
  int verdict = kRefused;
  if (!error.startsWith(QString::fromLatin1(expectedStart))) {
    verdict = kNoMessage;
  } else if (!error.contains(QDir::toNativeSeparators(path))) {
    verdict = kPathNotNamed;
  }
  // The child's output is the only trace of what went wrong.
  if (verdict != kRefused) std::fprintf(stderr, "%s: %s\n", writer.name, qPrintable(error));
  return verdict;
}

QByteArray OldContent() {
  QByteArray old(200 * 1024, '\0');
  std::mt19937 random(11);
  for (char& byte : old)
    byte = static_cast<char>(random());
  return old;
}

bool Put(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray Get(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

class Writers : public ::testing::TestWithParam<WriterCase> {};

TEST_P(Writers, FullDiskKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromLatin1(GetParam().file));
  const QByteArray old = OldContent();
  ASSERT_TRUE(Put(path, old));

  ChildLimits limits;
  limits.maxFileBytes = 4096;
  const ChildOutcome outcome =
      RunInChild([&] { return Judge(GetParam(), path, "Stream write error ("); }, limits);
  ASSERT_TRUE(outcome.exited) << "signal " << outcome.signal;
  EXPECT_EQ(outcome.code, kRefused);
  EXPECT_EQ(Get(path), old);
  EXPECT_EQ(Entries(dir.path()), QStringList{QString::fromLatin1(GetParam().file)})
      << "a temporary file was left behind";
}

TEST_P(Writers, ReadOnlyFolderKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
  const QString path = folder + QLatin1Char('/') + QString::fromLatin1(GetParam().file);
  const QByteArray old = OldContent();
  ASSERT_TRUE(Put(path, old));
  const auto readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                            QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                            QFileDevice::ReadOther | QFileDevice::ExeOther;
  // Only the folder stands in the way: the file itself may be written by anyone.
  const auto readWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                         QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
  ASSERT_TRUE(QFile::setPermissions(path, readWrite));
  ASSERT_TRUE(QFile::setPermissions(dir.path(), readAndEnter | QFileDevice::WriteOwner));
  ASSERT_TRUE(QFile::setPermissions(folder, readAndEnter));

  // Permissions do not stop root, so a root test run writes as an unprivileged user.
  ChildLimits limits;
  if (geteuid() == 0) {
    limits.group = 65534;
    limits.user = 65534;
  }
  const ChildOutcome outcome =
      RunInChild([&] { return Judge(GetParam(), path, "Cannot create file "); }, limits);
  QFile::setPermissions(folder, readAndEnter | QFileDevice::WriteOwner);
  ASSERT_TRUE(outcome.exited) << "signal " << outcome.signal;
  if (outcome.code == kChildSetupFailed) GTEST_SKIP() << "cannot switch to an unprivileged user";
  EXPECT_EQ(outcome.code, kRefused);
  EXPECT_EQ(Get(path), old);
  EXPECT_EQ(Entries(folder), QStringList{QString::fromLatin1(GetParam().file)});
}

TEST_P(Writers, FolderInTheWayOrMissingIsRefused) {
  QTemporaryDir dir;
  const QString inTheWay = dir.filePath(QString::fromLatin1(GetParam().file));
  ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(GetParam().file)));
  ASSERT_TRUE(Put(inTheWay + QStringLiteral("/inside.txt"), "kept"));
  const QString inMissingFolder =
      dir.filePath(QStringLiteral("missing/") + QString::fromLatin1(GetParam().file));

  for (const QString& path : {inTheWay, inMissingFolder}) {
    QString error;
    EXPECT_FALSE(GetParam().write(path, &error)) << path.toStdString();
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(path)))
        << error.toStdString();
  }
  EXPECT_TRUE(QFileInfo(inTheWay).isDir());
  EXPECT_EQ(Entries(inTheWay), QStringList{QStringLiteral("inside.txt")});
  EXPECT_EQ(Get(inTheWay + QStringLiteral("/inside.txt")), QByteArray("kept"));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
}

INSTANTIATE_TEST_SUITE_P(All, Writers, ::testing::ValuesIn(kWriters),
                         [](const ::testing::TestParamInfo<WriterCase>& writer) {
                           return std::string(writer.param.name);
                         });

}  // namespace
