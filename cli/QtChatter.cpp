#include "QtChatter.h"

#include <QString>
#include <cstdio>
#include <cstring>

bool IsQtChatter(QtMsgType type, const char* category, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg) return true;
  if (type != QtWarningMsg) return false;
  if (category && std::strncmp(category, "qt.", 3) == 0) return true;
  // Qt's text shaping names every installed font that lacks a script of the caption (one
  // without a font, such as Devanagari without fonts-noto-core); the caption shows boxes.
  return message.startsWith(QLatin1String("QStandardPaths:")) ||
         message.trimmed().startsWith(QLatin1String("OpenType support missing for"));
}

void InstallQtChatterFilter() {
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (IsQtChatter(type, context.category, message)) return;
        std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(message));
      });
}
