#pragma once

#include <QStringList>
#include <functional>

#include "DesignHost.h"

// A DesignHost that records what the design operations asked of it.
class RecordingDesignHost : public DesignHost {
 public:
  QStringList messages;
  QStringList warnings;
  QStringList texturesLoaded;
  int textureClears = 0;
  int syncs = 0;
  int renders = 0;
  bool textureLoads = true;  // whether loadTexture succeeds
  std::function<void()> onSync;

  void showMessage(const QString& text) override { messages << text; }
  void showWarning(const QString& text) override { warnings << text; }
  bool loadTexture(const QString& path) override {
    texturesLoaded << path;
    return textureLoads;
  }
  void clearTexture() override { ++textureClears; }
  void syncControls() override {
    ++syncs;
    if (onSync) onSync();
  }
  void render() override { ++renders; }
};
