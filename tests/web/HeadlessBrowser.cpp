#include "HeadlessBrowser.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "ImageFiles.h"

namespace {

// A fresh profile each time, and nothing that reaches the network or the colour profile of
// the machine.
QStringList CommonFlags(const QTemporaryDir& profile) {
  return {"--headless",
          "--no-sandbox",
          "--disable-gpu",
          "--disable-quic",
          "--no-first-run",
          "--disable-background-networking",
          "--disable-component-update",
          "--disable-sync",
          "--user-data-dir=" + profile.path()};
}

}  // namespace

QString FindBrowser() {
  const QString given = qEnvironmentVariable("TESSARO_CHROMIUM");
  if (!given.isEmpty()) return given;
  for (const char* name : {"chromium", "chromium-browser"}) {
    const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!found.isEmpty()) return found;
  }
  return {};
}

QImage Screenshot(const QString& browser, const QString& page, int scale, QSize window,
                  const QStringList& flags, QString* log) {
  QTemporaryDir profile;
  const QString shot = profile.filePath(QStringLiteral("shot.png"));
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(
      browser, CommonFlags(profile)
                   << "--hide-scrollbars"
                   << "--force-color-profile=srgb"
                   << QStringLiteral("--force-device-scale-factor=%1").arg(scale)
                   << QStringLiteral("--window-size=%1,%2").arg(window.width()).arg(window.height())
                   << "--run-all-compositor-stages-before-draw"
                   << "--virtual-time-budget=30000"
                   << "--screenshot=" + shot << flags << QUrl::fromLocalFile(page).toString());
  if (!process.waitForFinished(120000)) process.kill();
  *log = QString::fromLocal8Bit(process.readAll());
  return ReadPng(shot).convertToFormat(QImage::Format_RGB32);
}

QString DumpDom(const QString& browser, const QString& page, QString* log) {
  QTemporaryDir profile;
  QProcess process;
  process.start(browser, CommonFlags(profile)
                             << "--dump-dom" << QUrl::fromLocalFile(page).toString());
  if (!process.waitForFinished(120000)) process.kill();
  *log = QString::fromLocal8Bit(process.readAllStandardError());
  return QString::fromUtf8(process.readAllStandardOutput());
}
