#pragma once

#include <QImage>
#include <QStringList>

#include "ButtonDesign.h"
#include "DesignHost.h"
#include "RenderHost.h"

// The surroundings of a headless render: messages go to stderr, the texture is a plain
// image, and there are no controls to synchronise. Only the last-slot rule of the
// synchronisation is applied, so a saved design holds the same LastTextIndex as the
// editor's would.
class CommandHost : public DesignHost, public RenderHost {
 public:
  explicit CommandHost(ButtonDesign& design) : design_(design) {}

  // DesignHost
  void showMessage(const QString& text) override;
  bool loadTexture(const QString& path) override;
  void clearTexture() override { texture_ = QImage(); }
  void syncControls() override;
  void render() override {}  // the command renders once, when everything is set

  // RenderHost
  void pumpEvents() override {}
  void showSizeText(const QString& text) override { sizeText = text; }
  void takeImage(const QImage& taken) override {
    image = taken;
    ++images;
  }
  QImage textureBitmap() const override { return texture_; }
  void renderRefused(const QString& reason) override { refusal = reason; }

  QString sizeText;
  QImage image;
  int images = 0;
  QString refusal;

 private:
  ButtonDesign& design_;
  QImage texture_;
};
