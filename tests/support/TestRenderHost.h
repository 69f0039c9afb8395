#pragma once

#include <QStringList>
#include <functional>

#include "ButtonRenderer.h"

// A RenderHost that records what a render handed out; onPump runs inside the event pump,
// where the editor's handlers would run.
class TestRenderHost : public RenderHost {
 public:
  int pumps = 0;
  std::function<void(int pump)> onPump;
  QStringList sizeTexts;
  QImage image;
  int images = 0;
  QImage texture;
  QStringList refusals;

  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump(pumps);
  }
  void showSizeText(const QString& text) override { sizeTexts << text; }
  void takeImage(const QImage& taken) override {
    image = taken;
    ++images;
  }
  QImage textureBitmap() const override { return texture; }
  void renderRefused(const QString& reason) override { refusals << reason; }
};
