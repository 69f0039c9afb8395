#pragma once

#include <QImage>
#include <atomic>
#include <cstdint>
#include <vector>

#include "ButtonDesign.h"
#include "CaptionText.h"
#include "ExtraImages.h"
#include "PixelKernels.h"
#include "RenderHost.h"
#include "RowWorker.h"
#include "ShapeTables.h"
#include "SurfaceFill.h"

// The largest working image a render will allocate: 134,217,728 scaled pixels, 512 MiB.
// Only an outline width far beyond any real button (from a damaged file) reaches it.
inline constexpr long long kMaxRenderPixels = 134'217'728;

// Working images from this many pixels on have their pixel pass shared with a second
// thread. Smaller ones (the default design has about 60,000) are painted by the calling
// thread alone: for them the hand-over would cost about what it saves.
inline constexpr long long kSplitRenderPixels = 131'072;

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

// Sizing from the caption's extent in the scaled font: fixed or from the text, plus
// borders, shape widening, the 2024 x 1024 clamp and the outline. A size that comes out
// negative counts as 0.
ButtonGeometry ComputeGeometry(const ButtonDesign& design, const ScaledLengths& lengths,
                               const CaptionExtent& caption);

// What one call of RenderButton came to.
// - Finished: the newest design was rendered to the end; the host took the image (null for a
//   size of 0) and extraImages() hold its extra images.
// - Refused: the newest design cannot be rendered (too large, or no memory for it); the host
//   was told the reason, which `reason` repeats, and the previous image stays.
// - GaveUp: the call rendered nothing of its own and left the host's image alone: either
//   Syncing was raised, or a render was running already (the call came from a handler in
//   its event pump), which this call only asked to start again with the newest values; that
//   render, further up the stack, reports how it ended. A render given up for a restart
//   inside the call is run again there, so the outermost call never ends GaveUp for it.
struct RenderOutcome {
  enum class Kind { Finished, Refused, GaveUp };
  Kind kind = Kind::GaveUp;
  QString reason;  // why it was refused; empty otherwise

  bool finished() const { return kind == Kind::Finished; }
};

// Turns the design into the button image. One renderer serves one window; it owns the
// working image, the shape tables and the entry flags.
class ButtonRenderer {
 public:
  // maxPixels bounds the working image of every render; a tool that renders many hostile
  // designs in a row may want a tighter bound than the editor's.
  explicit ButtonRenderer(RenderHost& host, long long maxPixels = kMaxRenderPixels)
      : host_(host), maxPixels_(maxPixels) {}

  // Renders the look of the design (every field but its caption slots and TextIndex) with
  // its caption font and `caption` (lines separated by '\n'). Called while a render runs
  // (from a handler inside its event pump), it only marks a restart: the running render
  // gives up at its next row and starts again, as a loop, with the newest values: the
  // design and font as they then stand, and the caption of the latest call. Does nothing
  // while Syncing is raised. The outcome says which of these happened (RenderOutcome).
  RenderOutcome RenderButton(const ButtonDesign& design, const CaptionFont& font,
                             const QString& caption);

  // Asks every later render for these images besides the button (ExtraImage flags). None by
  // default, so the editor's renders pay nothing for them.
  void setExtraImages(unsigned which) { extraKinds_ = which; }
  // Those of the last finished render: null images when it was refused, or when they were
  // not asked for.
  const ButtonExtras& extraImages() const { return extras_; }
  // Renders whose working image has at least this many pixels share their pixel pass with
  // a second thread (kSplitRenderPixels unless set); the result is the same either way.
  void setSplitPixels(long long pixels) { splitPixels_ = pixels; }

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
  enum class Outcome { Finished, Refused, GaveUp };
  Outcome renderOnce(const ButtonDesign& design, const CaptionFont& font, const QString& caption);
  // Pumps events; true when a render was requested meanwhile.
  bool pumpAndCheck();
  // Tells the host why the render cannot be made.
  Outcome refuse(const QString& reason);
  // The pixel pass: every row once, in order as far as the generator and the event pump
  // can tell.
  Outcome pixelPass(const ScaledLengths& len);
  // The worker's part of it: rows from `first` on, from the seed the rows before leave.
  void workerRows(const ScaledLengths& len, int first, std::uint32_t seedAtRow0);
  void stopWorker();

  // One row's channel arrays; one set per thread.
  struct RowBuffers {
    std::vector<float> R, G, B;
  };
  // Row y's distances, and the columns x0 .. x1 - 1 outside of which its pixels are border
  // pixels by their column alone.
  struct RowSpan {
    RowEdges edges;
    int x0, x1;
  };
  RowSpan rowSpan(int y, const ScaledLengths& len) const;
  // The noise draws of row y: one per inside pixel.
  int rowDraws(int y, const ScaledLengths& len) const;
  // Paints row y with the noise drawn from seed; returns the seed after the row's draws.
  std::uint32_t paintRow(int y, const ScaledLengths& len, RowBuffers& buffers, std::uint32_t seed);
  template <int Kind>
  std::uint32_t paintRowOf(int y, const ScaledLengths& len, RowBuffers& buffers,
                           std::uint32_t seed);
  void reduce(int u);
  // The extra images, from the working image with its caption, before the reduction.
  void makeExtras(const ButtonDesign& d, const ScaledLengths& len, const QFont& font,
                  const QString& caption);

  RenderHost& host_;
  long long maxPixels_;
  bool RenderBusy_ = false;
  bool RenderRestart_ = false;
  bool Syncing_ = false;
  // The caption of the latest call, which a restart renders: a copy, as the caller's text
  // may change or go while its handlers run.
  QString newestCaption_;
  QString refusal_;  // why the last refused pass was refused
  QImage WorkBitmap_;
  ShapeTables shape_;
  SurfaceFill fill_;
  unsigned extraKinds_ = 0;
  ButtonExtras extras_;
  std::vector<std::uint8_t> coverage_;  // of every working pixel, for the transparent images
  // What coverage_ was made for.
  struct CoverageKey {
    int shapeKind = -1, W = 0, H = 0;
    long long outline = 0;
    bool operator==(const CoverageKey&) const = default;
  } coverageKey_;
  const PixelKernels* kernels_ = nullptr;  // of the running render
  std::uint32_t outlinePixel_ = 0, backPixel_ = 0;
  Channels highlight_{}, shadow_{};

  // The pixel pass. Each thread writes its own rows of WorkBitmap_ (through pixels_, set
  // before the pass starts) and its own buffers; the tables and colours are only read.
  std::uint32_t* pixels_ = nullptr;
  long long stride_ = 0;  // pixels from one row to the next
  int W_ = 0, H_ = 0;
  RowBuffers callerBuffers_, workerBuffers_;
  long long splitPixels_ = kSplitRenderPixels;
  // The worker's rows: how far it got (rows before this are done), and the generator's seed
  // after each; stop asks it to end after the row it is painting.
  std::atomic<int> workerDone_{0};
  std::atomic<bool> workerStop_{false};
  std::vector<std::uint32_t> seedAfterRow_;
  RowWorker worker_;  // last: its thread ends before the buffers go
};
