#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>

// Thin wrappers around libjpeg. Every libjpeg call runs inside a function that holds only
// trivially destructible locals, so the longjmp out of libjpeg's error handler never skips
// a C++ destructor; the results are handed over once that function has returned.

// Why libjpeg (or one of our own limits) gave up.
struct JpegFailure {
  int code = 0;          // libjpeg's message code; 0 for a limit of our own
  QString text;          // libjpeg's message text, or the reason for our refusal
  bool library = false;  // true when the text is libjpeg's own message
};

// Compresses rows of 24-bit RGB (R, G, B bytes) into a JFIF file: libjpeg's defaults, then
// quality 100 with baseline tables forced, sequential, YCbCr.
bool CompressRgbJpeg(const uchar* rows, int width, int height, qsizetype stride, QByteArray* jpeg,
                     JpegFailure* failure);

struct JpegHeader {
  int width = 0;
  int height = 0;
  int components = 0;
  bool progressive = false;
};

// Decodes one JPEG held in memory in two steps, so the caller can check the header before
// any pixel memory is spent. Every corrupt-data warning counts as a failure: a damaged file
// is refused rather than shown as a partial picture.
class JpegDecoder {
 public:
  // data must outlive the decoder. maxScans bounds the scans of a progressive file (each
  // one is a pass over the whole image); maxMemory bounds libjpeg's own buffers in bytes.
  JpegDecoder(const QByteArray& data, int maxScans, long maxMemory);
  ~JpegDecoder();
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  bool readHeader(JpegHeader* header);
  // Rows of 32-bit 0xffRRGGBB pixels, header.width × header.height, stride bytes apart.
  // Greyscale, YCbCr, RGB, CMYK and YCCK files all arrive as RGB.
  bool readPixels(uchar* rows, qsizetype stride);

  const JpegFailure& failure() const { return failure_; }

 private:
  struct State;
  void takeFailure();

  std::unique_ptr<State> state_;
  JpegFailure failure_;
};
