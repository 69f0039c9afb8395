#pragma once

#include <QImage>
#include <QString>

// What the renderer needs from its surroundings. The editor pumps its event loop, shows the
// size text and the finished button in its window and hands over its loaded texture; a
// render without a window keeps them (ImageRenderHost).
class RenderHost {
 public:
  virtual ~RenderHost() = default;
  // Processes pending events once; handlers run inside may call RenderButton again.
  virtual void pumpEvents() = 0;
  // The base size of the render, "(w x h)".
  virtual void showSizeText(const QString& text) = 0;
  // The finished button, at its final size.
  virtual void takeImage(const QImage& image) = 0;
  // The texture bitmap (RGB32), or a null image when none is loaded.
  virtual QImage textureBitmap() const = 0;
  // A render that could not be made (too large); the previous image stays.
  virtual void renderRefused(const QString& reason) = 0;
};
