#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

struct PngStreamState;

// A PNG file made in memory a few rows at a time, so a large image (a set's sprite sheet)
// can be compressed while its later rows are still being drawn. 8-bit RGBA, or RGB for an
// image without alpha; straight alpha, as PNG stores it. The same settings serve every PNG
// Tessaro writes (EncodePng).
class PngStream {
 public:
  // A file of width x height pixels (each 1 .. 2^31 - 1), with the given resolution in
  // dots per metre (none for 0).
  PngStream(int width, int height, bool alpha, int dotsPerMeterX = 0, int dotsPerMeterY = 0);
  ~PngStream();
  PngStream(const PngStream&) = delete;
  PngStream& operator=(const PngStream&) = delete;

  // Appends the rows of `rows` (ARGB32 with alpha, RGB32 without, of the file's width), in
  // order; rows past the file's height are refused. False once anything failed.
  bool addRows(const QImage& rows);
  // The file's bytes when every row was given; empty, with *error, otherwise.
  QByteArray finish(QString* error);

 private:
  PngStreamState* state_;
};
