#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "RenderHost.h"

// The surroundings of a render without a window (the command, the about box's logo, set
// exports, benchmarks, tests): the finished button, its size text and a refusal are kept
// for the caller, and the texture is a plain image.
class ImageRenderHost : public RenderHost {
 public:
  QImage texture;  // handed to every render; null for none
  // Runs inside the event pump, where an editor's handlers would run; nothing by default.
  std::function<void(int pump)> onPump;

  QImage image;       // the last finished button
  int images = 0;     // finished renders
  QString sizeText;   // the last size text, "(w x h)"
  int sizeTexts = 0;  // renders that got as far as sizing (a restart sizes again)
  QString refusal;    // why the last refused render was refused
  int refusals = 0;
  int pumps = 0;

  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump(pumps);
  }
  void showSizeText(const QString& text) override {
    sizeText = text;
    ++sizeTexts;
  }
  void takeImage(const QImage& taken) override {
    image = taken;
    ++images;
  }
  QImage textureBitmap() const override { return texture; }
  void renderRefused(const QString& reason) override {
    refusal = reason;
    ++refusals;
  }
};
