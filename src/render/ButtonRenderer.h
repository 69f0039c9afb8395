#pragma once

#include <QImage>
#include <cstdint>

#include "ButtonDesign.h"
#include "RenderHost.h"
#include "ShapeTables.h"
#include "SurfaceFill.h"

// The largest working image a render will allocate: 134,217,728 scaled pixels, 512 MiB.
// Only an outline width far beyond any real button (from a damaged file) reaches it.
inline constexpr long long kMaxRenderPixels = 134'217'728;

// The sizes of one render, in scaled pixels.
struct ButtonGeometry {
  long long baseWidth = 0, baseHeight = 0;  // before borders, widening and outline
  long long W0 = 0, H0 = 0;                 // the shape box
  long long W = 0, H = 0;                   // the image
};

// The design's lengths after scaling by k (4 with Antialias): what a render works with.
struct ScaledLengths {
  int k = 1;
  long long outline = 0, bevel = 0, width = 0, height = 0, offsetX = 0, offsetY = 0;
  long long borderWidth = 0, borderHeight = 0;
};
ScaledLengths ScaleLengths(const ButtonDesign& design);

// Sizing from the widest caption line and the line height (in the scaled font): fixed or
// from the text, plus borders, shape widening, the 2024 x 1024 clamp and the outline. A
// size that comes out negative counts as 0.
ButtonGeometry ComputeGeometry(const ButtonDesign& design, const ScaledLengths& lengths,
                               long long widestLine, long long lineHeight, int lineCount);

// Turns the design into the button image. One renderer serves one window; it owns the
// working image, the shape tables and the entry flags.
class ButtonRenderer {
 public:
  // maxPixels bounds the working image of every render; a tool that renders many hostile
  // designs in a row may want a tighter bound than the editor's.
  explicit ButtonRenderer(RenderHost& host, long long maxPixels = kMaxRenderPixels)
      : host_(host), maxPixels_(maxPixels) {}

  // Renders the design (and its caption font). Called while a render runs (from a handler
  // inside its event pump), it only marks a restart: the running render gives up at its
  // next row and starts again, as a loop, with the newest values. Does nothing while
  // Syncing is raised.
  void RenderButton(const ButtonDesign& design, const CaptionFont& font);

  bool RenderBusy() const { return RenderBusy_; }
  bool RenderRestart() const { return RenderRestart_; }
  bool Syncing() const { return Syncing_; }
  const QImage& WorkBitmap() const { return WorkBitmap_; }

  // Raises Syncing for its lifetime; it is lowered on every way out.
  class SyncingScope {
   public:
    explicit SyncingScope(ButtonRenderer& renderer) : flag_(renderer.Syncing_) { flag_ = true; }
    ~SyncingScope() { flag_ = false; }
    SyncingScope(const SyncingScope&) = delete;
    SyncingScope& operator=(const SyncingScope&) = delete;

   private:
    bool& flag_;
  };

 private:
  enum class Outcome { Finished, GaveUp };
  Outcome renderOnce(const ButtonDesign& design, const CaptionFont& font);
  // Pumps events; true when a render was requested meanwhile.
  bool pumpAndCheck();
  template <int Kind>
  void paintRow(int y, const ScaledLengths& len);
  void reduce(int u);

  RenderHost& host_;
  long long maxPixels_;
  bool RenderBusy_ = false;
  bool RenderRestart_ = false;
  bool Syncing_ = false;
  QImage WorkBitmap_;
  ShapeTables shape_;
  SurfaceFill fill_;
  std::vector<float> spanR_, spanG_, spanB_;  // one row's surface channels
  std::uint32_t outlinePixel_ = 0, backPixel_ = 0;
  Channels highlight_{}, shadow_{};
};
