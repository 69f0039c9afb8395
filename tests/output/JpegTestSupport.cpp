#include "JpegTestSupport.h"

#include <gtest/gtest.h>

#include <csetjmp>

// jpeglib.h expects FILE and size_t to be declared before it.
#include <cstdio>

#include <jpeglib.h>

namespace {

struct Trap {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char text[JMSG_LENGTH_MAX];
};

[[noreturn]] void Escape(j_common_ptr cinfo) {
  Trap* trap = reinterpret_cast<Trap*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, trap->text);
  std::longjmp(trap->jump, 1);
}

void Arm(Trap* trap, jpeg_error_mgr** slot) {
  *slot = jpeg_std_error(&trap->pub);
  trap->pub.error_exit = Escape;
}

// DC in one scan, then single-coefficient AC bands sent in up to 11 successive-approximation
// passes each, until the script holds `scans` entries.
int BuildScript(int scans, jpeg_scan_info* script, int capacity) {
  int n = 0;
  script[n++] = {1, {0, 0, 0, 0}, 0, 0, 0, 0};
  for (int k = 1; k < DCTSIZE2 && n < scans; ++k) {
    const int passes = std::min(11, scans - n);
    if (n + passes > capacity) break;
    script[n++] = {1, {0, 0, 0, 0}, k, k, 0, passes - 1};
    for (int al = passes - 1; al > 0; --al)
      script[n++] = {1, {0, 0, 0, 0}, k, k, al, al - 1};
  }
  return n;
}

struct WriteJob {
  jpeg_compress_struct cinfo;
  Trap trap;
  unsigned char* out;
  unsigned long size;
  jpeg_scan_info script[DCTSIZE2 * 11 + 1];
  bool created;
};

bool RunWrite(WriteJob* job, int width, int height, const uchar* samples,
              const TestJpegOptions* options) {
  if (setjmp(job->trap.jump) != 0) return false;
  jpeg_compress_struct* c = &job->cinfo;
  job->created = true;
  jpeg_create_compress(c);
  jpeg_mem_dest(c, &job->out, &job->size);
  c->image_width = static_cast<JDIMENSION>(width);
  c->image_height = static_cast<JDIMENSION>(height);
  switch (options->kind) {
    case TestJpegOptions::Kind::Rgb:
      c->input_components = 3;
      c->in_color_space = JCS_RGB;
      break;
    case TestJpegOptions::Kind::Grey:
      c->input_components = 1;
      c->in_color_space = JCS_GRAYSCALE;
      break;
    case TestJpegOptions::Kind::Cmyk:
    case TestJpegOptions::Kind::Ycck:
      c->input_components = 4;
      c->in_color_space = JCS_CMYK;
      break;
  }
  jpeg_set_defaults(c);
  if (options->kind == TestJpegOptions::Kind::Ycck) jpeg_set_colorspace(c, JCS_YCCK);
  if (!options->adobeMarker) c->write_Adobe_marker = FALSE;
  jpeg_set_quality(c, options->quality, TRUE);
  if (options->fullChroma) {
    for (int i = 0; i < c->num_components; ++i) {
      c->comp_info[i].h_samp_factor = 1;
      c->comp_info[i].v_samp_factor = 1;
    }
  }
  if (options->progressive && options->scans > 0) {
    c->num_scans = BuildScript(options->scans, job->script, DCTSIZE2 * 11 + 1);
    c->scan_info = job->script;
  } else if (options->progressive) {
    jpeg_simple_progression(c);
  }
  jpeg_start_compress(c, TRUE);
  const int stride = width * c->input_components;
  while (c->next_scanline < c->image_height) {
    JSAMPROW row = const_cast<uchar*>(samples + c->next_scanline * stride);
    jpeg_write_scanlines(c, &row, 1);
  }
  jpeg_finish_compress(c);
  return true;
}

struct ReadJob {
  jpeg_decompress_struct cinfo;
  Trap trap;
  bool created;
};

bool RunReadHeader(ReadJob* job, const QByteArray* jpeg, LibjpegView* view) {
  if (setjmp(job->trap.jump) != 0) return false;
  jpeg_decompress_struct* d = &job->cinfo;
  job->created = true;
  jpeg_create_decompress(d);
  jpeg_mem_src(d, reinterpret_cast<const unsigned char*>(jpeg->constData()),
               static_cast<unsigned long>(jpeg->size()));
  jpeg_read_header(d, TRUE);
  view->width = static_cast<int>(d->image_width);
  view->height = static_cast<int>(d->image_height);
  view->components = d->num_components;
  view->colourSpace = d->jpeg_color_space;
  view->progressive = d->progressive_mode;
  view->jfif = d->saw_JFIF_marker;
  for (const JQUANT_TBL* table : d->quant_tbl_ptrs) {
    if (table == nullptr) continue;
    view->quantTables.emplace_back(table->quantval, table->quantval + DCTSIZE2);
  }
  d->out_color_space = JCS_EXT_BGRA;
  return true;
}

bool RunReadPixels(ReadJob* job, uchar* rows, qsizetype stride) {
  if (setjmp(job->trap.jump) != 0) return false;
  jpeg_decompress_struct* d = &job->cinfo;
  jpeg_start_decompress(d);
  while (d->output_scanline < d->output_height) {
    JSAMPROW row = rows + d->output_scanline * stride;
    jpeg_read_scanlines(d, &row, 1);
  }
  jpeg_finish_decompress(d);
  return true;
}

}  // namespace

QByteArray WriteTestJpeg(int width, int height, const std::vector<uchar>& samples,
                         const TestJpegOptions& options) {
  WriteJob job{};
  Arm(&job.trap, &job.cinfo.err);
  const bool ok = RunWrite(&job, width, height, samples.data(), &options);
  QByteArray jpeg;
  if (ok) {
    jpeg = QByteArray(reinterpret_cast<const char*>(job.out), static_cast<qsizetype>(job.size));
  } else {
    ADD_FAILURE() << "libjpeg refused to write the test image: " << job.trap.text;
  }
  if (job.created) jpeg_destroy_compress(&job.cinfo);
  std::free(job.out);
  return jpeg;
}

LibjpegView ReadWithLibjpeg(const QByteArray& jpeg) {
  LibjpegView view;
  ReadJob job{};
  Arm(&job.trap, &job.cinfo.err);
  if (RunReadHeader(&job, &jpeg, &view)) {
    view.rgb = QImage(view.width, view.height, QImage::Format_RGB32);
    view.ok = RunReadPixels(&job, view.rgb.bits(), view.rgb.bytesPerLine());
  }
  if (!view.ok) view.error = QString::fromLatin1(job.trap.text);
  if (job.created) jpeg_destroy_decompress(&job.cinfo);
  return view;
}

std::vector<int> MarkersBeforeScan(const QByteArray& jpeg) {
  std::vector<int> markers;
  const auto byte = [&](qsizetype i) { return static_cast<uchar>(jpeg.at(i)); };
  if (jpeg.size() < 2 || byte(0) != 0xFF || byte(1) != 0xD8) return markers;
  markers.push_back(0xD8);
  qsizetype pos = 2;
  while (pos + 4 <= jpeg.size() && byte(pos) == 0xFF) {
    const int code = byte(pos + 1);
    markers.push_back(code);
    if (code == 0xDA) break;
    pos += 2 + (byte(pos + 2) << 8 | byte(pos + 3));
  }
  return markers;
}

qsizetype FindMarker(const QByteArray& jpeg, int code) {
  const auto byte = [&](qsizetype i) { return static_cast<uchar>(jpeg.at(i)); };
  qsizetype pos = 2;
  while (pos + 4 <= jpeg.size() && byte(pos) == 0xFF) {
    if (byte(pos + 1) == code) return pos;
    if (byte(pos + 1) == 0xDA) break;
    pos += 2 + (byte(pos + 2) << 8 | byte(pos + 3));
  }
  return -1;
}
