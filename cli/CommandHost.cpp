#include "CommandHost.h"

#include <cstdio>

#include "TextureImage.h"

void CommandHost::showMessage(const QString& text) {
  std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(text));
}

void CommandHost::showWarning(const QString& text) {
  std::fprintf(stderr, "tessaro-render: warning: %s\n", qPrintable(text));
}

bool CommandHost::loadTexture(const QString& path) {
  QString error;
  if (!LoadTextureImage(path, &texture, &error)) {
    std::fprintf(stderr, "tessaro-render: %s\n", qPrintable(error));
    return false;
  }
  return true;
}
