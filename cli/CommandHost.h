#pragma once

#include "ButtonDesign.h"
#include "DesignHost.h"
#include "ImageRenderHost.h"

// The surroundings of a headless render: messages go to stderr, the texture is a plain
// image, and there are no controls to synchronise. Only the last-slot rule of the
// synchronisation is applied, so a saved design holds the same LastTextIndex as the
// editor's would.
class CommandHost : public DesignHost, public ImageRenderHost {
 public:
  explicit CommandHost(ButtonDesign& design) : design_(design) {}

  void showMessage(const QString& text) override;
  bool loadTexture(const QString& path) override;
  void clearTexture() override { texture = QImage(); }
  void syncControls() override;
  void render() override {}  // the command renders once, when everything is set

 private:
  ButtonDesign& design_;
};
