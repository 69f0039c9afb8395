#include "ReferenceRenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "PixelRules.h"
#include "RandomDesign.h"

namespace {

double Round(double v) {
  return std::nearbyint(v);
}

struct Shape {
  int kind, W, H;

  bool inside(int x, int y) const {
    double u = x;
    long long v = y;
    const double h = H;
    auto sinArg = [](double a) { return static_cast<float>(std::sin(a)); };
    if (kind == 1 || kind == 4) {
      const float s = H > 1 ? sinArg(y * 3.14 / (H - 1)) : 0.0f;
      const double r = kind == 1 ? h : W;
      const float f = s == 0 ? 0.0f : static_cast<float>(r * std::sqrt(s) / 2);
      u = Round(x - r / 2 + f);
    } else if (kind == 5) {
      float s = 0;
      bool changed = true;
      if (y < H / 3) {
        s = sinArg(y * 3.14 / ((h - 1) * 2 / 3));
      } else if (y > (2 * H) / 3) {
        s = sinArg((y - h / 3) * 3.14 / ((h - 1) * 2 / 3));
      } else {
        changed = false;
      }
      if (changed) {
        const float f = s == 0 ? 0.0f : static_cast<float>(h * std::sqrt(s) / 3);
        u = Round(x - h / 3 + f);
      }
    } else if (kind == 2) {
      const int c = H / 2;
      if (y >= c) {
        if (x < c) v = c + y - x;
        if (W - x < c) v = c + y - (W - x);
      }
      if (y < c) {
        if (x < c) v = y - c + x;
        if (W - x < c) v = y - c + (W - x);
      }
    } else if (kind == 3) {
      const int c = H / 2, t = H / 3;
      if (y > c) {
        if (x < t) v = y + t - x;
        if (W - x < t) v = y + t - (W - x);
      }
      if (y < c) {
        if (x < t) v = y - t + x;
        if (W - x < t) v = y - t + (W - x);
      }
    }
    return u >= 0 && u < W && v >= 0 && v < H;
  }
};

struct Colour3 {
  double r, g, b;
};
Colour3 split(Colour c) {
  c = ResolveColour(c);
  return {double(c & 0xFF), double((c >> 8) & 0xFF), double((c >> 16) & 0xFF)};
}

// The edge tables, from the inside test of every pixel of the left part.
struct Edges {
  std::vector<int> left, top, bottom;
  int inset;
};
Edges edgesOf(const ButtonDesign& d, int W, int H) {
  const Shape shape{d.ShapeKind, W, H};
  const int leftPart = W - W / 2;
  Edges e{std::vector<int>(H, W), std::vector<int>(W, H), std::vector<int>(W, H),
          d.ShapeKind == 0 ? 0 : 4};
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < leftPart; ++x) {
      if (shape.inside(x, y)) {
        e.left[y] = x;
        break;
      }
    }
  }
  for (int x = 0; x < leftPart; ++x) {
    for (int y = 0; y < H; ++y) {
      if (shape.inside(x, y)) {
        e.top[x] = y;
        break;
      }
    }
    for (int y = H - 1; y >= 0; --y) {
      if (shape.inside(x, y)) {
        e.bottom[x] = H - 1 - y;
        break;
      }
    }
    e.top[W - 1 - x] = e.top[x];
    e.bottom[W - 1 - x] = e.bottom[x];
  }
  return e;
}

}  // namespace

QImage ReferencePixelPass(const ButtonDesign& d, int W, int H, double W0, double H0,
                          const QImage& textureIn) {
  QImage image(W, H, QImage::Format_RGB32);
  const Edges edges = edgesOf(d, W, H);
  const std::vector<int>& left = edges.left;
  const std::vector<int>& top = edges.top;
  const std::vector<int>& bottom = edges.bottom;
  const int inset = edges.inset;
  const long long o = d.OutlineSize;
  const long long b = d.BevelSize;

  const double theta = d.FillDirection * 3.14 / 180;
  const float s = static_cast<float>(std::sin(theta));
  const float c = static_cast<float>(std::cos(theta));
  const float N = static_cast<float>(W * double(c) + H * double(s));
  const Colour3 c1 = split(d.Colour1), c2 = split(d.Colour2), p = split(d.PlasmaColour);
  const Channels surface = ChannelsOf(d.SurfaceColour);
  const BevelRamp bevel = BevelRampOf(b, ChannelsOf(d.HighlightColour), ChannelsOf(d.ShadowColour));
  const std::uint32_t outline = PixelOf(d.OutlineColour), page = PixelOf(d.BackColour);
  const QImage texture = textureIn.convertToFormat(QImage::Format_RGB32);
  const bool useTexture = !d.TextureFile.isEmpty() && texture.width() > 0 && texture.height() > 0;
  const int D = d.FillDirection;

  for (int y = 0; y < H; ++y) {
    int textureRow = 0;
    if (d.FillKind == 4 && useTexture) {
      textureRow = d.TextureStretch == 0
                       ? (y / 4) % texture.height()
                       : static_cast<int>(Round(double(y) * texture.height() / H));
      textureRow = std::min(textureRow, texture.height() - 1);
    }
    for (int x = 0; x < W; ++x) {
      const long long dL = x - left[y];
      const long long dR = (W - 1) - (left[y] + inset) - x;
      const long long dT = y - top[x];
      const long long dB = (H - 1) - bottom[x] - y;
      if (IsBorder(dL, dR, dT, dB, o)) {
        image.setPixel(x, y, BorderPixel(dL, dR, dT, dB, outline, page));
        continue;
      }
      float v[3];
      const double C1[3] = {c1.r, c1.g, c1.b}, C2[3] = {c2.r, c2.g, c2.b}, P[3] = {p.r, p.g, p.b};
      for (int ch = 0; ch < 3; ++ch) {
        switch (d.FillKind) {
          case 0:
            v[ch] = static_cast<float>(Round(C1[ch] * (x * double(c) + y * double(s)) / N +
                                             C2[ch] * ((W0 - x) * c + (H0 - y) * double(s)) / N));
            break;
          case 1: {
            const float a = static_cast<float>(std::fabs(std::sin((D + double(y)) / H)));
            const float bb =
                static_cast<float>(std::fabs(std::sin((D + double(x)) / W) * (1 - double(a))));
            const float w = static_cast<float>(1 - (double(a) + bb));
            v[ch] = static_cast<float>(Round(C1[ch] * a + C2[ch] * bb) + P[ch] * w);
            break;
          }
          case 2: {
            const float a =
                static_cast<float>(std::fabs(std::cos((2.0 * x + D + y / 2.0) / (H / 2.0 + W))));
            const float bb = static_cast<float>(
                std::fabs(std::sin((2.0 * y + D + x / 2.0) / (W / 2.0 + H)) * (1 - double(a))));
            const float w = static_cast<float>(1 - (double(a) + bb));
            v[ch] = static_cast<float>(Round(C1[ch] * a + C2[ch] * bb) + P[ch] * w);
            break;
          }
          case 4:
            if (useTexture) {
              const int column = d.TextureStretch == 0
                                     ? (x / 4) % texture.width()
                                     : int(static_cast<long long>(x) * texture.width() / W);
              const QRgb t = texture.pixel(column, textureRow);
              const int value = ch == 0 ? qRed(t) : ch == 1 ? qGreen(t) : qBlue(t);
              const int bright = d.TextureBrightness;
              v[ch] = bright < 50 ? static_cast<float>(double(value) * bright / 50)
                                  : static_cast<float>(double(value) * (100 - bright) / 50 +
                                                       (bright - 50) * 5.12);
              break;
            }
            [[fallthrough]];
          default:
            v[ch] = static_cast<float>(C1[ch]);
        }
      }
      if (d.Distortion > 0) {
        const float t = NoiseShare(RandomInt(d.Distortion));
        const float S[3] = {surface.r, surface.g, surface.b};
        for (int ch = 0; ch < 3; ++ch)
          v[ch] = Noise(NoiseAdd(S[ch], t), NoiseKeep(t), v[ch]);
      }
      const Channels shaded = BevelShade(bevel, dL - o, dR - o, dT - o, dB - o, {v[0], v[1], v[2]});
      image.setPixel(x, y, PackPixel(shaded.r, shaded.g, shaded.b));
    }
  }
  return image;
}

std::vector<std::uint8_t> ReferenceCoverage(const ButtonDesign& d, int W, int H) {
  const Edges e = edgesOf(d, W, H);
  const long long o = d.OutlineSize;
  std::vector<std::uint8_t> coverage(static_cast<std::size_t>(W) * H);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const long long dL = x - e.left[y];
      const long long dR = (W - 1) - (e.left[y] + e.inset) - x;
      const long long dT = y - e.top[x];
      const long long dB = (H - 1) - e.bottom[x] - y;
      // The outline rule paints the page colour here: the page shows through.
      const bool page = IsBorder(dL, dR, dT, dB, o) && !OnOutline(dL, dR, dT, dB);
      coverage[static_cast<std::size_t>(y) * W + x] = page ? 0 : 255;
    }
  }
  return coverage;
}

QImage ReferenceReduction(const QImage& work, const std::vector<std::uint8_t>* coverage,
                          const QImage& glyphs, QRgb text, int block, int outW, int outH) {
  QImage out(outW, outH, coverage ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  const long long n = block * block;
  for (int u = 0; u < outH; ++u) {
    for (int v = 0; v < outW; ++v) {
      long long sa = 0, sum[3] = {0, 0, 0};
      for (int j = 0; j < block; ++j) {
        for (int i = 0; i < block; ++i) {
          const int x = block * v + i, y = block * u + j;
          QRgb c = work.pixel(x, y);
          long long a = 255;
          if (coverage && (*coverage)[static_cast<std::size_t>(y) * work.width() + x] == 0) {
            a = glyphs.isNull() ? 0 : qAlpha(glyphs.pixel(x, y));
            c = text;
          }
          sa += a;
          sum[0] += (coverage ? a : 1) * qRed(c);
          sum[1] += (coverage ? a : 1) * qGreen(c);
          sum[2] += (coverage ? a : 1) * qBlue(c);
        }
      }
      if (!coverage) {
        out.setPixel(v, u, qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n)));
      } else if (sa == 0) {
        out.setPixel(v, u, 0);
      } else {
        out.setPixel(v, u,
                     qRgba(int(sum[0] / sa), int(sum[1] / sa), int(sum[2] / sa), int(sa / n)));
      }
    }
  }
  return out;
}
