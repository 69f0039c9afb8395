#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// libjpeg used directly, independently of the code under test: to write the JPEG variants
// the texture loader must read, and to look inside the files the exporter writes.

struct TestJpegOptions {
  enum class Kind { Rgb, Grey, Cmyk, Ycck };
  Kind kind = Kind::Rgb;
  bool progressive = false;
  int scans = 0;            // with progressive: a script of exactly this many scans
  bool adobeMarker = true;  // false: a CMYK file without Adobe's APP14 marker
  bool fullChroma = true;   // every component at full resolution
  int quality = 100;
};

// samples: width × height pixels of 3 (Rgb), 1 (Grey) or 4 (Cmyk, Ycck: C, M, Y, K) bytes,
// top row first. Fails the current test and returns nothing when libjpeg refuses.
QByteArray WriteTestJpeg(int width, int height, const std::vector<uchar>& samples,
                         const TestJpegOptions& options);

struct LibjpegView {
  bool ok = false;
  QString error;
  int width = 0;
  int height = 0;
  int components = 0;
  int colourSpace = 0;  // J_COLOR_SPACE of the file
  bool progressive = false;
  bool jfif = false;
  std::vector<std::vector<int>> quantTables;  // the 64 values of each table the file defines
  QImage rgb;                                 // RGB32, decoded by libjpeg with its defaults
};
LibjpegView ReadWithLibjpeg(const QByteArray& jpeg);

// The marker codes (0xC0 for SOF0, 0xDB for DQT, ...) from SOI up to the first SOS.
std::vector<int> MarkersBeforeScan(const QByteArray& jpeg);

// Offset of the first segment with the given marker code, or -1.
qsizetype FindMarker(const QByteArray& jpeg, int code);
