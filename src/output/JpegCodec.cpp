#include "JpegCodec.h"

#include <QRgb>
#include <QtEndian>
#include <csetjmp>
#include <cstdlib>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager {
  jpeg_error_mgr pub;  // first, so libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf jump;
  int code;
  bool own;  // refused by one of our limits rather than by libjpeg
  char text[JMSG_LENGTH_MAX];
};

ErrorManager* ErrorsOf(j_common_ptr cinfo) {
  return reinterpret_cast<ErrorManager*>(cinfo->err);
}

[[noreturn]] void ExitToCaller(j_common_ptr cinfo) {
  ErrorManager* errors = ErrorsOf(cinfo);
  errors->code = cinfo->err->msg_code;
  errors->own = false;
  (*cinfo->err->format_message)(cinfo, errors->text);
  std::longjmp(errors->jump, 1);
}

// libjpeg reports damaged data as a warning and goes on, filling the rest of the picture
// with grey. A texture must be whole, so such a warning ends the decoding. Warnings about
// headers we do not rely on are let through.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output
  switch (cinfo->err->msg_code) {
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
      ++cinfo->err->num_warnings;
      return;
    default:
      ExitToCaller(cinfo);
  }
}

struct ScanLimit {
  jpeg_progress_mgr pub;  // first, as for ErrorManager
  int maxScans;
};

// Each scan of a progressive file is a pass over the whole coefficient buffer, so a small
// file with thousands of empty scans could keep the program busy for minutes.
void CheckScanCount(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  const auto* limit = reinterpret_cast<const ScanLimit*>(cinfo->progress);
  const auto* dinfo = reinterpret_cast<const jpeg_decompress_struct*>(cinfo);
  if (dinfo->input_scan_number <= limit->maxScans) return;
  ErrorManager* errors = ErrorsOf(cinfo);
  errors->code = 0;
  errors->own = true;
  std::snprintf(errors->text, sizeof errors->text, "The file has more than %d progressive scans.",
                limit->maxScans);
  std::longjmp(errors->jump, 1);
}

void InstallErrorManager(ErrorManager* errors, jpeg_error_mgr** slot) {
  *slot = jpeg_std_error(&errors->pub);
  errors->pub.error_exit = ExitToCaller;
  errors->pub.emit_message = EmitMessage;
}

JpegFailure FailureOf(const ErrorManager& errors) {
  JpegFailure failure;
  failure.code = errors.code;
  failure.text = QString::fromLatin1(errors.text);
  failure.library = !errors.own;
  return failure;
}

struct CompressJob {
  jpeg_compress_struct cinfo;
  ErrorManager errors;
  unsigned char* out;  // malloc'd by jpeg_mem_dest, ours to free
  unsigned long outSize;
  bool created;
};

// The setjmp frame: only trivially destructible locals from here down.
bool RunCompress(CompressJob* job, const uchar* rows, int width, int height, qsizetype stride) {
  if (setjmp(job->errors.jump) != 0) return false;
  job->created = true;
  jpeg_create_compress(&job->cinfo);
  jpeg_mem_dest(&job->cinfo, &job->out, &job->outSize);
  job->cinfo.image_width = static_cast<JDIMENSION>(width);
  job->cinfo.image_height = static_cast<JDIMENSION>(height);
  job->cinfo.input_components = 3;
  job->cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&job->cinfo);
  jpeg_set_quality(&job->cinfo, 100, TRUE);
  jpeg_start_compress(&job->cinfo, TRUE);
  while (job->cinfo.next_scanline < job->cinfo.image_height) {
    // libjpeg only reads the rows; its interface predates const.
    JSAMPROW row = const_cast<uchar*>(rows + job->cinfo.next_scanline * stride);
    jpeg_write_scanlines(&job->cinfo, &row, 1);
  }
  jpeg_finish_compress(&job->cinfo);
  return true;
}

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
// Bytes B, G, R, 0xff: one 0xffRRGGBB word, the layout of QImage::Format_RGB32.
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_ARGB;
#endif

bool ReadRgbRows(j_decompress_ptr cinfo, uchar* rows, qsizetype stride) {
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = rows + cinfo->output_scanline * stride;
    if (jpeg_read_scanlines(cinfo, &row, 1) != 1) return false;
  }
  return true;
}

constexpr int MulDiv255(int a, int b) {
  return (a * b + 127) / 255;
}

// libjpeg hands CMYK (and YCCK, which it turns into CMYK) over as is; the conversion to RGB
// is ours. Adobe's applications write the four channels inverted (255 = no ink) and say so
// with their APP14 marker; files without it are taken as plain CMYK.
bool ReadCmykRows(j_decompress_ptr cinfo, uchar* rows, qsizetype stride, bool inverted) {
  JSAMPARRAY buffer = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo),
                                                  JPOOL_IMAGE, cinfo->output_width * 4, 1);
  const int flip = inverted ? 0 : 255;
  while (cinfo->output_scanline < cinfo->output_height) {
    uchar* out = rows + cinfo->output_scanline * stride;
    if (jpeg_read_scanlines(cinfo, buffer, 1) != 1) return false;
    const JSAMPLE* in = buffer[0];
    for (JDIMENSION x = 0; x < cinfo->output_width; ++x, in += 4, out += 4) {
      const int k = in[3] ^ flip;  // x ^ 255 == 255 - x for a byte
      qToUnaligned(
          qRgb(MulDiv255(in[0] ^ flip, k), MulDiv255(in[1] ^ flip, k), MulDiv255(in[2] ^ flip, k)),
          out);
    }
  }
  return true;
}

}  // namespace

bool CompressRgbJpeg(const uchar* rows, int width, int height, qsizetype stride, QByteArray* jpeg,
                     JpegFailure* failure) {
  CompressJob job{};
  InstallErrorManager(&job.errors, &job.cinfo.err);
  const bool ok = RunCompress(&job, rows, width, height, stride);
  if (ok) {
    *jpeg = QByteArray(reinterpret_cast<const char*>(job.out), static_cast<qsizetype>(job.outSize));
  } else {
    *failure = FailureOf(job.errors);
  }
  if (job.created) jpeg_destroy_compress(&job.cinfo);
  std::free(job.out);
  return ok;
}

struct JpegDecoder::State {
  jpeg_decompress_struct cinfo;
  ErrorManager errors;
  ScanLimit scanLimit;
  const unsigned char* data;
  unsigned long size;
  long maxMemory;
  bool created;
  bool headerRead;
  bool done;  // pixels read or a failure: the object allows no further call
  bool cmyk;
  bool invertedCmyk;
};

JpegDecoder::JpegDecoder(const QByteArray& data, int maxScans, long maxMemory)
    : state_(std::make_unique<State>()) {
  State* s = state_.get();
  InstallErrorManager(&s->errors, &s->cinfo.err);
  s->scanLimit.pub.progress_monitor = CheckScanCount;
  s->scanLimit.maxScans = maxScans;
  s->data = reinterpret_cast<const unsigned char*>(data.constData());
  s->size = static_cast<unsigned long>(data.size());
  s->maxMemory = maxMemory;
}

JpegDecoder::~JpegDecoder() {
  if (state_->created) jpeg_destroy_decompress(&state_->cinfo);
}

void JpegDecoder::takeFailure() {
  state_->done = true;
  failure_ = FailureOf(state_->errors);
}

bool JpegDecoder::readHeader(JpegHeader* header) {
  State* const s = state_.get();
  if (s->done || s->headerRead) return false;
  if (setjmp(s->errors.jump) != 0) {
    takeFailure();
    return false;
  }
  s->created = true;
  jpeg_create_decompress(&s->cinfo);
  // Progressive files keep whole-image buffers; past this libjpeg would need a backing
  // store, which it does not have, so it refuses instead of allocating.
  s->cinfo.mem->max_memory_to_use = s->maxMemory;
  s->cinfo.progress = &s->scanLimit.pub;
  jpeg_mem_src(&s->cinfo, s->data, s->size);
  jpeg_read_header(&s->cinfo, TRUE);
  s->cmyk = s->cinfo.jpeg_color_space == JCS_CMYK || s->cinfo.jpeg_color_space == JCS_YCCK;
  s->invertedCmyk = s->cmyk && s->cinfo.saw_Adobe_marker;
  s->cinfo.out_color_space = s->cmyk ? JCS_CMYK : kRgb32Space;
  s->headerRead = true;
  header->width = static_cast<int>(s->cinfo.image_width);
  header->height = static_cast<int>(s->cinfo.image_height);
  header->components = s->cinfo.num_components;
  header->progressive = s->cinfo.progressive_mode;
  return true;
}

bool JpegDecoder::readPixels(uchar* rows, qsizetype stride) {
  State* const s = state_.get();
  if (s->done || !s->headerRead) return false;
  if (setjmp(s->errors.jump) != 0) {
    takeFailure();
    return false;
  }
  jpeg_start_decompress(&s->cinfo);
  const bool complete = s->cmyk ? ReadCmykRows(&s->cinfo, rows, stride, s->invertedCmyk)
                                : ReadRgbRows(&s->cinfo, rows, stride);
  if (!complete) {
    // The memory source never suspends, so this is out of reach unless libjpeg changes.
    s->done = true;
    failure_ = {0, QStringLiteral("The decoder stopped before the last row."), false};
    return false;
  }
  jpeg_finish_decompress(&s->cinfo);
  s->done = true;
  return true;
}
