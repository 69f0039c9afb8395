// Writes the seed corpora of the fuzz targets: make_fuzz_seeds <fuzz folder>. The seeds are
// committed; this program documents how each was made and makes them again.
//   corpus/design        valid designs and boundary variants of every field
//   corpus/design_document  documents with every part, edge values, and broken ones
//   corpus/captions_csv  caption lists, good and broken
//   corpus/texture_jpeg  small real JPEG files, one per kind libjpeg decodes
//   corpus/texture_bmp   small real bitmaps, one per layout a BMP reader meets
//   corpus/lenient_int   numeric box texts: the rules' examples and the 32-bit edges
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "DesignDocument.h"
#include "DesignFile.h"

namespace {

int gWritten = 0;

void Write(const QString& folder, const QString& name, const QByteArray& data) {
  QDir().mkpath(folder);
  QFile file(QDir(folder).filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    std::exit(1);
  }
  ++gWritten;
}

// ---------------------------------------------------------------------------------------
// Designs

ButtonDesign Defaults(CaptionFont& font) {
  ButtonDesign d{};
  ResetDesignFields(d, font);
  d.LastTextIndex = 0;
  return d;
}

void Designs(const QString& folder) {
  const auto save = [&](const QString& name, const ButtonDesign& d, const CaptionFont& font,
                        const QByteArray& extra = {}) {
    Write(folder, name + ".kq", EncodeDesignFile(d, font) + extra);
  };
  CaptionFont font;
  const ButtonDesign base = Defaults(font);
  save("default", base, font);
  // One more byte: the fuzz target makes an edit arrive at that pump of the render.
  for (int pump : {1, 40, 130, 255})
    save(QStringLiteral("default-edit-at-pump-%1").arg(pump), base, font,
         QByteArray(1, char(pump)));

  ButtonDesign fixed = base;
  fixed.AutoSize = 0;
  save("fixed-100x20", fixed, font);

  // Every shape and fill, with noise, bevel and outline in play.
  for (int shape = 0; shape <= 5; ++shape) {
    ButtonDesign d = base;
    d.ShapeKind = static_cast<std::uint8_t>(shape);
    d.FillKind = static_cast<std::uint8_t>(shape % 5);
    d.Distortion = static_cast<std::uint8_t>(shape * 20);
    d.FillDirection = shape * 30 - 90;
    d.BevelSize = shape;
    d.OutlineSize = shape % 3;
    if (d.FillKind == kTexture) d.TextureFile.setText("/textures/marble.bmp");
    save(QStringLiteral("shape-%1-fill-%2").arg(shape).arg(d.FillKind), d, font);
  }
  for (const char* texture : {"a.jpg", "photo.JPEG", "tile.Dib", "/t/x.BMP", "picture.png"}) {
    ButtonDesign d = base;
    d.FillKind = kTexture;
    d.TextureStretch = 1;
    d.TextureBrightness = 80;
    d.TextureFile.setText(texture);
    save(QStringLiteral("texture-%1").arg(QString(texture).section('.', -1)), d, font);
  }

  // Captions in several slots, with CR LF, lone LF and lone CR.
  ButtonDesign captions = base;
  captions.CaptionSlots[1].setBytes("Home\r\nPage");
  captions.CaptionSlots[2].setBytes("a\nb");
  captions.CaptionSlots[31].setBytes("\r\r\rlast");
  captions.TextIndex = 1;
  save("captions-multiline", captions, font);
  captions.TextIndex = 31;
  save("captions-last-slot", captions, font);

  // The largest button of normal use: 1024 x 1024 hexagon, clamped to 2024 x 1024 scaled.
  ButtonDesign largest = fixed;
  largest.ButtonWidth = largest.ButtonHeight = 1024;
  largest.ShapeKind = kHexagon;
  largest.Distortion = 100;
  save("largest-normal", largest, font);
  // Each clamp within the fuzz target's pixel budget.
  ButtonDesign wide = fixed;
  wide.ButtonWidth = 1024;
  wide.ButtonHeight = 118;
  wide.ShapeKind = kOctagon;
  save("clamp-2024-wide", wide, font);
  ButtonDesign high = fixed;
  high.ButtonWidth = 200;
  high.ButtonHeight = 1024;
  high.ShapeKind = kRoundedRectangle;
  save("clamp-1024-high", high, font);

  // Boundary values of every 32-bit field, with fixed sizes so that width and height count.
  const std::pair<const char*, std::int32_t ButtonDesign::*> fields[] = {
      {"TextIndex", &ButtonDesign::TextIndex},     {"LastTextIndex", &ButtonDesign::LastTextIndex},
      {"BevelSize", &ButtonDesign::BevelSize},     {"FillDirection", &ButtonDesign::FillDirection},
      {"OutlineSize", &ButtonDesign::OutlineSize}, {"ButtonHeight", &ButtonDesign::ButtonHeight},
      {"ButtonWidth", &ButtonDesign::ButtonWidth}, {"BorderHeight", &ButtonDesign::BorderHeight},
      {"BorderWidth", &ButtonDesign::BorderWidth}, {"TextOffsetX", &ButtonDesign::TextOffsetX},
      {"TextOffsetY", &ButtonDesign::TextOffsetY},
  };
  const std::pair<const char*, std::int32_t> values[] = {
      {"0", 0}, {"-1", -1}, {"INT_MAX", INT_MAX}, {"INT_MIN", INT_MIN}};
  for (auto [field, member] : fields) {
    for (auto [valueName, value] : values) {
      ButtonDesign d = fixed;
      d.*member = value;
      save(QStringLiteral("%1-%2").arg(field, valueName), d, font);
    }
  }
  for (auto [valueName, value] : values) {
    CaptionFont f = font;
    f.size = value;
    save(QStringLiteral("FontSize-%1").arg(valueName), base, f);
  }
  // Indexes and kinds out of range, and flags that are neither 0 nor 1.
  for (int index : {32, 4000}) {
    ButtonDesign d = base;
    d.TextIndex = index;
    save(QStringLiteral("TextIndex-%1").arg(index), d, font);
  }
  const std::pair<const char*, std::uint8_t ButtonDesign::*> bytes[] = {
      {"ShapeKind", &ButtonDesign::ShapeKind},
      {"FillKind", &ButtonDesign::FillKind},
      {"Distortion", &ButtonDesign::Distortion},
      {"TextureBrightness", &ButtonDesign::TextureBrightness},
      {"Antialias", &ButtonDesign::Antialias},
      {"AutoSize", &ButtonDesign::AutoSize},
      {"TextureStretch", &ButtonDesign::TextureStretch},
  };
  for (auto [field, member] : bytes) {
    for (int value : {6, 101, 255}) {
      ButtonDesign d = base;
      d.*member = static_cast<std::uint8_t>(value);
      if (member == &ButtonDesign::TextureStretch) {
        d.FillKind = kTexture;
        d.TextureFile.setText("t.jpg");
      }
      save(QStringLiteral("%1-%2").arg(field).arg(value), d, font);
    }
  }
  for (Colour colour : {0xFF000005u, 0xFF0000FFu, 0x80FFFFFFu}) {
    ButtonDesign d = base;
    d.Colour1 = d.BackColour = d.TextColour = d.HighlightColour = colour;
    save(QStringLiteral("colours-%1").arg(colour, 8, 16, QLatin1Char('0')), d, font);
  }

  // String lengths 0 and 255.
  ButtonDesign empty = base;
  empty.CaptionSlots[0].length = 0;
  save("caption-length-0", empty, font);
  const QByteArray every = [] {
    QByteArray b;
    for (int c = 1; c < 256; ++c)
      b.append(static_cast<char>(c));
    return b;
  }();
  const std::pair<const char*, QByteArray> longCaptions[] = {
      {"W", QByteArray(255, 'W')},
      {"CR", QByteArray(255, '\r')},
      {"CRLF", QByteArray("\r\n").repeated(127) + "x"},
      {"every-byte", every}};
  for (const auto& [name, text] : longCaptions) {
    ButtonDesign d = base;
    d.CaptionSlots[0].setBytes(text);
    d.Caption.setBytes(text);
    save(QStringLiteral("caption-length-255-%1").arg(name), d, font);
  }
  ButtonDesign longTexture = base;
  longTexture.FillKind = kTexture;
  longTexture.TextureFile.setBytes(QByteArray(251, 'p') + ".bmp");
  save("texture-path-length-255", longTexture, font);
  CaptionFont unnamed = font;
  unnamed.name.clear();
  save("font-name-length-0", base, unnamed);
  CaptionFont longName = font;
  longName.name = QString(255, QLatin1Char('F'));
  longName.setStyleBits(0x0F);
  save("font-name-length-255", base, longName);

  // A record with every byte 0xFF and one with every byte 0, and files cut short.
  Write(folder, "all-ff.kq", QByteArray(kDesignFileSize, '\xFF'));
  Write(folder, "all-00.kq", QByteArray(kDesignFileSize, '\0'));
  Write(folder, "short-9312.kq", EncodeDesignFile(base, font).left(kDesignFileSize - 1));
  Write(folder, "empty.kq", {});
}

// ---------------------------------------------------------------------------------------
// Design documents

void Documents(const QString& folder) {
  const QString base = QStringLiteral("/fuzz/documents");
  const auto save = [&](const QString& name, const Design& d) {
    Write(folder, name + ".tessaro", EncodeDesignDocument(d, base));
  };
  save("new", Design{});

  // Every part: a named, linked caption of two lines, a texture below the folder and one
  // elsewhere, the set's choices and the record's unread bytes.
  Design full;
  full.record.ShapeKind = kRoundedRectangle;
  full.record.FillKind = kTexture;
  full.record.Colour2 = 0xFF00000F;
  full.record.PlasmaColour = 0x80123456;
  full.record.TextureStretch = 7;
  full.record.ReservedFlag = 0;
  full.record.ReservedBlock[100] = 0x42;
  full.record.Padding[0] = 1;
  full.record.Caption.setBytes("Old");
  full.record.LastTextIndex = 9;
  SetTexture(full, base + "/textures/marble.jpg");
  full.font = CaptionFont{QStringLiteral("DejaVu Sans"), 11, false, true, true, true};
  full.captions = {Caption{QStringLiteral("Home"), QStringLiteral("home"), QStringLiteral("/")},
                   Caption{QStringLiteral("Über uns\nZweite Zeile"), QStringLiteral("about"),
                           QStringLiteral("/about?a=1&b=\"2\"")},
                   Caption{QStringLiteral("Главная")},
                   Caption{QStringLiteral("关于我们")},
                   Caption{QStringLiteral("اتصل بنا")},
                   Caption{}};
  full.current = 2;
  full.set.folder = base + "/web";
  full.set.prefix = QStringLiteral("nav");
  full.set.states = {ButtonState::Normal, ButtonState::Pressed};
  full.set.scales = {2};
  full.set.uniform = full.set.sheet = true;
  full.set.stateOptions = {60, 3};
  full.set.stateDesigns[ButtonState::Hover] = QStringLiteral("/elsewhere/hover.kq");
  full.set.stateDesigns[ButtonState::Disabled] = base + "/off.tessaro";
  save("every-part", full);

  // Values at the edges of the fields.
  Design edges;
  edges.record.ShapeKind = 255;
  edges.record.FillKind = 5;
  edges.record.Antialias = 2;
  edges.record.ButtonWidth = INT_MAX;
  edges.record.TextOffsetY = INT_MIN;
  edges.record.TextColour = 0xFF0000FF;
  edges.font.size = -1;
  edges.font.name.clear();
  save("edges", edges);

  Design many;
  many.captions.clear();
  for (int i = 0; i < 200; ++i)
    many.captions << Caption{QStringLiteral("Caption %1").arg(i), QStringLiteral("c%1").arg(i),
                             QStringLiteral("#%1").arg(i)};
  many.current = 199;
  save("200-named-captions", many);

  const std::pair<const char*, const char*> texts[] = {
      {"minimal", R"({"tessaro": 1, "captions": [{"text": "Главная"}]})"},
      {"format-only", R"({"tessaro": 1})"},
      {"unknown-keys",
       R"({"tessaro": 1, "glow": 1, "font": {"weight": 700}, "captions": [{"tip": ""}],)"
       R"( "set": {"x": 0}, "kq": {"y": 0}})"},
      {"relative-paths",
       R"({"tessaro": 1, "texture": "../t/a.jpg", "set": {"folder": "./out//web/",)"
       R"( "stateDesigns": {"pressed": "p.kq"}}})"},
      {"escapes", R"({"tessaro": 1, "captions": [{"text": "a\r\nb\rc\u0000\t\"\\\/\u00e9"}]})"},
      {"newer", R"({"tessaro": 2})"},
      {"same-name", R"({"tessaro": 1, "captions": [{"name": "x"}, {"name": "x"}]})"},
      {"current-past-the-end", R"({"tessaro": 1, "currentCaption": 1})"},
      {"not-json", "{\"tessaro\": 1,"},
      {"lone-surrogate", R"({"tessaro": 1, "captions": [{"text": "\ud800"}]})"},
      {"invalid-utf8", "{\"tessaro\": 1, \"texture\": \"\xC3\x28\"}"},
  };
  for (const auto& [name, text] : texts)
    Write(folder, QStringLiteral("%1.tessaro").arg(name), text);
}

// ---------------------------------------------------------------------------------------
// Caption lists

void CaptionLists(const QString& folder) {
  const std::pair<const char*, const char*> files[] = {
      {"text-only", "text\nHome\nAbout us\nContact\n"},
      {"all-columns",
       "\xEF\xBB\xBFtext,name,link\r\nHome,home,/\r\n"
       "\xD0\x93\xD0\xBB\xD0\xB0\xD0\xB2,ru,/ru\r\n"},
      {"any-order", "Link,TEXT\n/a,A\n/b,B"},
      {"quoted-lines", "text,name\n\"Two\r\nlines\",two\n\"He said \"\"hi\"\"\",hi\n\"\",empty\n"},
      {"cr-line-ends", "text\rA\rB\r"},
      {"blank-lines", "text\n\n\nA\n\n"},
      {"unclosed-quote", "text\nA\n\"B\n"},
      {"quote-in-field", "text\nA\"B\n"},
      {"unknown-column", "text,colour\nA,red\n"},
      {"field-count", "text,name\nA\n"},
      {"same-name", "text,name\nA,x\nB,x\n"},
      {"bad-name", "text,name\nA,..\nB,a/b\n"},
      {"invalid-utf8", "text\n\xFF\n"},
  };
  for (const auto& [name, text] : files)
    Write(folder, QStringLiteral("%1.csv").arg(name), text);
}

// ---------------------------------------------------------------------------------------
// JPEG files

struct JpegRecipe {
  const char* name;
  J_COLOR_SPACE input;  // JCS_RGB, JCS_GRAYSCALE or JCS_CMYK
  std::function<void(jpeg_compress_struct*)> tune;
  int width = 17, height = 9;
};

struct JpegTrap {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void JpegEscape(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegTrap*>(cinfo->err)->jump, 1);
}

// The setjmp frame holds only trivially destructible locals.
bool Compress(jpeg_compress_struct* c, JpegTrap* trap, const JpegRecipe* r,
              const unsigned char* samples, unsigned char** out, unsigned long* size) {
  if (setjmp(trap->jump) != 0) return false;
  jpeg_create_compress(c);
  jpeg_mem_dest(c, out, size);
  c->image_width = static_cast<JDIMENSION>(r->width);
  c->image_height = static_cast<JDIMENSION>(r->height);
  c->in_color_space = r->input;
  c->input_components = r->input == JCS_GRAYSCALE ? 1 : r->input == JCS_CMYK ? 4 : 3;
  jpeg_set_defaults(c);
  jpeg_set_quality(c, 75, TRUE);
  r->tune(c);
  jpeg_start_compress(c, TRUE);
  const int stride = r->width * c->input_components;
  while (c->next_scanline < c->image_height) {
    JSAMPROW row = const_cast<unsigned char*>(samples + c->next_scanline * stride);
    jpeg_write_scanlines(c, &row, 1);
  }
  jpeg_finish_compress(c);
  return true;
}

QByteArray MakeJpeg(const JpegRecipe& r) {
  std::vector<unsigned char> samples(static_cast<std::size_t>(r.width * r.height * 4));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<unsigned char>(i * 37 % 251);
  jpeg_compress_struct c{};
  JpegTrap trap{};
  c.err = jpeg_std_error(&trap.pub);
  trap.pub.error_exit = JpegEscape;
  unsigned char* out = nullptr;
  unsigned long size = 0;
  const bool ok = Compress(&c, &trap, &r, samples.data(), &out, &size);
  jpeg_destroy_compress(&c);
  QByteArray jpeg =
      ok ? QByteArray(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size))
         : QByteArray();
  std::free(out);
  if (!ok) {
    std::fprintf(stderr, "libjpeg refused the recipe %s\n", r.name);
    std::exit(1);
  }
  return jpeg;
}

void FullChroma(jpeg_compress_struct* c) {
  for (int i = 0; i < c->num_components; ++i)
    c->comp_info[i].h_samp_factor = c->comp_info[i].v_samp_factor = 1;
}

void Jpegs(const QString& folder) {
  const auto none = [](jpeg_compress_struct*) {};
  const JpegRecipe recipes[] = {
      {"baseline-420", JCS_RGB, none},
      {"baseline-444", JCS_RGB, FullChroma},
      {"baseline-422", JCS_RGB,
       [](jpeg_compress_struct* c) {
         c->comp_info[0].h_samp_factor = 2;
         c->comp_info[0].v_samp_factor = 1;
       }},
      {"one-pixel", JCS_RGB, none, 1, 1},
      {"grey", JCS_GRAYSCALE, none},
      {"progressive", JCS_RGB, [](jpeg_compress_struct* c) { jpeg_simple_progression(c); }},
      {"progressive-grey", JCS_GRAYSCALE,
       [](jpeg_compress_struct* c) { jpeg_simple_progression(c); }},
      {"optimised-huffman", JCS_RGB, [](jpeg_compress_struct* c) { c->optimize_coding = TRUE; }},
      {"restart-every-row", JCS_RGB, [](jpeg_compress_struct* c) { c->restart_in_rows = 1; }},
      {"arithmetic", JCS_RGB, [](jpeg_compress_struct* c) { c->arith_code = TRUE; }},
      {"arithmetic-progressive", JCS_RGB,
       [](jpeg_compress_struct* c) {
         jpeg_simple_progression(c);
         c->arith_code = TRUE;
       }},
      {"cmyk-adobe", JCS_CMYK, FullChroma},
      {"cmyk-plain", JCS_CMYK,
       [](jpeg_compress_struct* c) {
         FullChroma(c);
         c->write_Adobe_marker = FALSE;
       }},
      {"ycck", JCS_CMYK, [](jpeg_compress_struct* c) { jpeg_set_colorspace(c, JCS_YCCK); }},
      {"rgb-untransformed", JCS_RGB,
       [](jpeg_compress_struct* c) { jpeg_set_colorspace(c, JCS_RGB); }},
      {"quality-100-baseline", JCS_RGB,
       [](jpeg_compress_struct* c) { jpeg_set_quality(c, 100, TRUE); }},
      {"wide-strip", JCS_RGB, none, 300, 2},
  };
  for (const JpegRecipe& r : recipes)
    Write(folder, QStringLiteral("%1.jpg").arg(r.name), MakeJpeg(r));
}

// ---------------------------------------------------------------------------------------
// Bitmaps

void Put16(QByteArray& b, int v) {
  char raw[2];
  qToLittleEndian<quint16>(static_cast<quint16>(v), raw);
  b.append(raw, 2);
}
void Put32(QByteArray& b, qint64 v) {
  char raw[4];
  qToLittleEndian<quint32>(static_cast<quint32>(v), raw);
  b.append(raw, 4);
}

struct BmpRecipe {
  const char* name;
  int headerBytes;  // 12 (OS/2), 40, 108 or 124
  int bpp;
  int compression;  // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields, 6 alpha bit fields
  int paletteEntries = 0;
  bool topDown = false;
  std::vector<quint32> masks = {};  // red, green, blue (and alpha)
};

constexpr int kBmpW = 7, kBmpH = 5;

// Pixels of a small pattern in the recipe's layout; RLE files hold one encoded run per row.
QByteArray BmpPixels(const BmpRecipe& r) {
  QByteArray pixels;
  for (int y = 0; y < kBmpH; ++y) {
    if (r.compression == 1 || r.compression == 2) {
      pixels.append(char(kBmpW));                  // a run of 7 pixels
      pixels.append(char(r.bpp == 8 ? y : 0x12));  // of this index (two nibbles for RLE4)
      pixels.append(QByteArray("\0\0", 2));        // end of line
      continue;
    }
    QByteArray row;
    for (int x = 0; x < kBmpW; ++x) {
      const int v = (x * 40 + y * 50) & 0xFF;
      switch (r.bpp) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / r.bpp;
          if (x % perByte == 0) row.append('\0');
          const int index = (x + y) % (r.paletteEntries ? r.paletteEntries : 1 << r.bpp);
          row[row.size() - 1] =
              static_cast<char>(row.back() | index << (8 - r.bpp * (x % perByte + 1)));
          break;
        }
        case 16:
          Put16(row, v * 0x0101 & 0x7FFF);
          break;
        case 24:
          row.append(char(v));
          row.append(char(255 - v));
          row.append(char(x * 30));
          break;
        case 32:
          Put32(row, v | (255 - v) << 8 | (x * 30) << 16 | 0xFF << 24);
          break;
      }
    }
    while (row.size() % 4)
      row.append('\0');
    pixels.append(row);
  }
  if (r.compression == 1 || r.compression == 2) pixels.append(QByteArray("\0\1", 2));
  return pixels;
}

QByteArray MakeBmp(const BmpRecipe& r) {
  QByteArray info;
  Put32(info, r.headerBytes);
  if (r.headerBytes == 12) {
    Put16(info, kBmpW);
    Put16(info, kBmpH);
    Put16(info, 1);
    Put16(info, r.bpp);
  } else {
    Put32(info, kBmpW);
    Put32(info, r.topDown ? -kBmpH : kBmpH);
    Put16(info, 1);
    Put16(info, r.bpp);
    Put32(info, r.compression);
    Put32(info, 0);  // image size: may be 0 for uncompressed files
    Put32(info, 2835);
    Put32(info, 2835);
    Put32(info, r.paletteEntries);
    Put32(info, 0);
    if (r.headerBytes > 40) {
      for (std::size_t i = 0; i < 4; ++i)
        Put32(info, i < r.masks.size() ? r.masks[i] : 0);
      Put32(info, 0x73524742);  // 'sRGB'
      info.append(QByteArray(r.headerBytes - info.size(), '\0'));
    }
  }
  QByteArray extra;  // masks after a 40-byte header, then the palette
  if (r.headerBytes == 40) {
    for (quint32 mask : r.masks)
      Put32(extra, mask);
  }
  if (r.bpp <= 8) {
    const int entries = r.paletteEntries ? r.paletteEntries : 1 << r.bpp;
    for (int i = 0; i < entries; ++i) {
      extra.append(char(i * 16));
      extra.append(char(255 - i * 8));
      extra.append(char(i * 61));
      if (r.headerBytes != 12) extra.append('\0');
    }
  }
  const QByteArray pixels = BmpPixels(r);
  QByteArray file("BM");
  const qint64 offset = 14 + info.size() + extra.size();
  Put32(file, offset + pixels.size());
  Put32(file, 0);
  Put32(file, offset);
  return file + info + extra + pixels;
}

void Bmps(const QString& folder) {
  const BmpRecipe recipes[] = {
      {"pal1", 40, 1, 0},
      {"pal4", 40, 4, 0},
      {"pal4-rle", 40, 4, 2},
      {"pal8", 40, 8, 0},
      {"pal8-3-colours", 40, 8, 0, 3},
      {"pal8-rle", 40, 8, 1},
      {"pal8-topdown", 40, 8, 0, 0, true},
      {"pal8-os2", 12, 8, 0},
      {"rgb16-555", 40, 16, 0},
      {"rgb16-565-bitfields", 40, 16, 3, 0, false, {0xF800, 0x07E0, 0x001F}},
      {"rgb24", 40, 24, 0},
      {"rgb24-topdown", 40, 24, 0, 0, true},
      {"rgb24-os2", 12, 24, 0},
      {"rgb32", 40, 32, 0},
      {"rgb32-bitfields", 40, 32, 3, 0, false, {0xFF0000, 0xFF00, 0xFF}},
      {"rgba32-v4", 108, 32, 3, 0, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
      {"rgba32-v5-alpha-bitfields", 124, 32, 6, 0, false, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}},
  };
  for (const BmpRecipe& r : recipes)
    Write(folder, QStringLiteral("%1.bmp").arg(r.name), MakeBmp(r));
}

// ---------------------------------------------------------------------------------------
// Numeric box texts, as UTF-8

void NumericTexts(const QString& folder) {
  const char* texts[] = {
      "",
      "0",
      "7",
      "  7",
      "150",
      "12abc",
      "abc",
      "-5x",
      "-12",
      "+12",
      " -12 ",
      "-",
      "+",
      "$1F",
      "$",
      "x7f",
      "X7F",
      "0x1f",
      "0X",
      "0x",
      "-0x10",
      "-$1F",
      "2147483647",
      "2147483648",
      "-2147483648",
      "-2147483649",
      "$7FFFFFFF",
      "$80000000",
      "0xFFFFFFFF",
      "99999999999999999999",
      "-99999999999999999999",
      "007",
      "1 2",
      "\t7",
      "\xef\xbc\x91\xef\xbc\x92",  // full-width digits
      "\xd9\xa3",                  // an Arabic-Indic digit
  };
  int n = 0;
  for (const char* text : texts)
    Write(folder, QStringLiteral("text-%1").arg(++n, 2, 10, QLatin1Char('0')), QByteArray(text));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <fuzz folder>\n", argv[0]);
    return 2;
  }
  const QDir fuzz(QString::fromLocal8Bit(argv[1]));
  Designs(fuzz.filePath("corpus/design"));
  Documents(fuzz.filePath("corpus/design_document"));
  CaptionLists(fuzz.filePath("corpus/captions_csv"));
  Jpegs(fuzz.filePath("corpus/texture_jpeg"));
  Bmps(fuzz.filePath("corpus/texture_bmp"));
  NumericTexts(fuzz.filePath("corpus/lenient_int"));
  std::printf("%d seeds written\n", gWritten);
  return 0;
}
