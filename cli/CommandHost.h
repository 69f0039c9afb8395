#pragma once

#include "DesignHost.h"
#include "ImageRenderHost.h"

// The surroundings of a headless render: messages go to stderr, the texture is a plain
// image, and there are no controls to synchronise.
class CommandHost : public DesignHost, public ImageRenderHost {
 public:
  void showMessage(const QString& text) override;
  void showWarning(const QString& text) override;
  bool loadTexture(const QString& path) override;
  void clearTexture() override { texture = QImage(); }
  void syncControls() override {}
  void render() override {}  // the command renders once, when everything is set
};
