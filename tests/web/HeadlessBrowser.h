// Headless Chromium for the web tests: where it is, a screenshot of a page, the page's DOM
// after its scripts ran.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The browser named in TESSARO_CHROMIUM, or Debian's chromium on the path; empty if none.
QString FindBrowser();

// A screenshot of `page` in a `window` of CSS pixels at a device scale factor, with further
// flags for the browser; null (and the browser's output in `log`) if none came. The shot is
// taken once every image of the page has loaded and been drawn, however busy the machine.
QImage Screenshot(const QString& browser, const QString& page, int scale, QSize window,
                  const QStringList& flags, QString* log);

// The page after its scripts ran, as Chromium serialises it.
QString DumpDom(const QString& browser, const QString& page, QString* log);
