#include "DesignDocument.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

#include "DesignConversion.h"
#include "JsonWriter.h"
#include "TextPosition.h"

namespace {

// How a field of the record is written in a document.
enum class Kind {
  Int32,
  Byte,
  Flag,     // true/false for 0/1, the number for any other byte
  Colour,   // "#RRGGBB", "system:N" or "raw:0xXXXXXXXX"
  Shape,    // a word, or the number of a kind without one
  Fill,     // likewise
  Texture,  // not in the record: the design's texture path
};

struct LookField {
  const char* key;
  Kind kind;
  std::size_t offset;
};

// The look, in the order of the document.
constexpr LookField kLook[] = {
    {"autoSize", Kind::Flag, offsetof(ButtonDesign, AutoSize)},
    {"buttonWidth", Kind::Int32, offsetof(ButtonDesign, ButtonWidth)},
    {"buttonHeight", Kind::Int32, offsetof(ButtonDesign, ButtonHeight)},
    {"borderWidth", Kind::Int32, offsetof(ButtonDesign, BorderWidth)},
    {"borderHeight", Kind::Int32, offsetof(ButtonDesign, BorderHeight)},
    {"antialias", Kind::Flag, offsetof(ButtonDesign, Antialias)},
    {"shape", Kind::Shape, offsetof(ButtonDesign, ShapeKind)},
    {"fill", Kind::Fill, offsetof(ButtonDesign, FillKind)},
    {"fillDirection", Kind::Int32, offsetof(ButtonDesign, FillDirection)},
    {"colour1", Kind::Colour, offsetof(ButtonDesign, Colour1)},
    {"colour2", Kind::Colour, offsetof(ButtonDesign, Colour2)},
    {"plasmaColour", Kind::Colour, offsetof(ButtonDesign, PlasmaColour)},
    {"backColour", Kind::Colour, offsetof(ButtonDesign, BackColour)},
    {"surfaceColour", Kind::Colour, offsetof(ButtonDesign, SurfaceColour)},
    {"distortion", Kind::Byte, offsetof(ButtonDesign, Distortion)},
    {"texture", Kind::Texture, 0},
    {"textureStretch", Kind::Flag, offsetof(ButtonDesign, TextureStretch)},
    {"textureBrightness", Kind::Byte, offsetof(ButtonDesign, TextureBrightness)},
    {"bevelSize", Kind::Int32, offsetof(ButtonDesign, BevelSize)},
    {"highlightColour", Kind::Colour, offsetof(ButtonDesign, HighlightColour)},
    {"shadowColour", Kind::Colour, offsetof(ButtonDesign, ShadowColour)},
    {"outlineSize", Kind::Int32, offsetof(ButtonDesign, OutlineSize)},
    {"outlineColour", Kind::Colour, offsetof(ButtonDesign, OutlineColour)},
    {"textColour", Kind::Colour, offsetof(ButtonDesign, TextColour)},
    {"textOffsetX", Kind::Int32, offsetof(ButtonDesign, TextOffsetX)},
    {"textOffsetY", Kind::Int32, offsetof(ButtonDesign, TextOffsetY)},
};

constexpr std::array<const char*, 6> kShapeWords = {
    "rectangle", "rounded-edges", "hexagon", "octagon", "ellipse", "rounded-rectangle"};
constexpr std::array<const char*, 5> kFillWords = {"gradient", "plasma", "plasma2", "single-colour",
                                                   "texture"};

constexpr std::size_t kReservedBlockSize = sizeof(ButtonDesign::ReservedBlock);
constexpr std::size_t kPaddingSize = sizeof(ButtonDesign::Padding);
const QByteArray kNewCaption = QByteArrayLiteral("Button Text");

std::int32_t int32At(const ButtonDesign& record, std::size_t offset) {
  std::int32_t v;
  std::memcpy(&v, record.bytes().data() + offset, sizeof v);
  return v;
}
void setInt32At(ButtonDesign& record, std::size_t offset, std::int32_t v) {
  std::memcpy(record.bytes().data() + offset, &v, sizeof v);
}
std::uint8_t byteAt(const ButtonDesign& record, std::size_t offset) {
  return static_cast<std::uint8_t>(record.bytes()[offset]);
}
void setByteAt(ButtonDesign& record, std::size_t offset, std::uint8_t v) {
  record.bytes()[offset] = static_cast<std::byte>(v);
}

bool allZero(const std::uint8_t* bytes, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

QString hex2(int v) {
  return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
}

// Plain colours are 0x00BBGGRR; a top byte of 0xFF with zeros between refers to a system
// colour by its low byte.
QString colourText(Colour c) {
  if ((c & 0xFF000000u) == 0)
    return QStringLiteral("#%1%2%3").arg(hex2(RedOf(c)), hex2(GreenOf(c)), hex2(BlueOf(c)));
  if ((c & 0xFFFFFF00u) == 0xFF000000u) return QStringLiteral("system:%1").arg(c & 0xFF);
  return QStringLiteral("raw:0x") + QStringLiteral("%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

// A path as the document keeps it: below the document's folder relative to it, otherwise
// as it is.
QString documentPath(const QString& path, const QString& folder) {
  if (path.isEmpty() || !QDir::isAbsolutePath(path)) return path;
  const QString clean = QDir::cleanPath(path);
  if (folder.isEmpty()) return clean;
  const QString relative = QDir(folder).relativeFilePath(clean);
  if (relative.isEmpty()) return QStringLiteral(".");
  if (relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) ||
      QDir::isAbsolutePath(relative))
    return clean;
  return relative;
}

// A path read from a document, absolute (a relative one taken from the folder) and clean,
// so that writing it and reading it again gives the same path.
QString memoryPath(const QString& text, const QString& folder) {
  if (text.isEmpty()) return text;
  if (QDir::isAbsolutePath(text) || folder.isEmpty()) return QDir::cleanPath(text);
  return QDir::cleanPath(QDir(folder).filePath(text));
}

// A caption's lines as the document keeps them: a CR LF or lone CR given in a document is
// a line break too.
QString documentLines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

// ---------------------------------------------------------------------------------------
// Writing

void writeLookField(JsonWriter& w, const LookField& f, const Design& d, const QString& folder) {
  const ButtonDesign& r = d.record;
  switch (f.kind) {
    case Kind::Int32:
      w.number(f.key, int32At(r, f.offset));
      break;
    case Kind::Byte:
      w.number(f.key, byteAt(r, f.offset));
      break;
    case Kind::Flag: {
      const std::uint8_t v = byteAt(r, f.offset);
      if (v <= 1) {
        w.flag(f.key, v == 1);
      } else {
        w.number(f.key, v);
      }
      break;
    }
    case Kind::Colour:
      w.text(f.key, colourText(static_cast<Colour>(int32At(r, f.offset))));
      break;
    case Kind::Shape:
    case Kind::Fill: {
      const std::uint8_t v = byteAt(r, f.offset);
      const auto* words = f.kind == Kind::Shape ? kShapeWords.data() : kFillWords.data();
      const std::size_t count = f.kind == Kind::Shape ? kShapeWords.size() : kFillWords.size();
      if (v < count) {
        w.text(f.key, QString::fromLatin1(words[v]));
      } else {
        w.number(f.key, v);
      }
      break;
    }
    case Kind::Texture:
      w.text(f.key, documentPath(d.texture, folder));
      break;
  }
}

void writeKq(JsonWriter& w, const Design& d) {
  const ButtonDesign& r = d.record;
  const bool lastIsRule = r.LastTextIndex == LastSlot(RecordOfDesign(d));
  const bool flagIsNew = r.ReservedFlag == 1;
  const bool captionIsNew = r.Caption.bytes() == kNewCaption;
  const bool blockIsZero = allZero(r.ReservedBlock, kReservedBlockSize);
  const bool paddingIsZero = allZero(r.Padding, kPaddingSize);
  if (lastIsRule && flagIsNew && captionIsNew && blockIsZero && paddingIsZero) return;
  w.beginObject(QStringLiteral("kq"));
  if (!lastIsRule) w.number(QStringLiteral("lastTextIndex"), r.LastTextIndex);
  if (!flagIsNew) w.number(QStringLiteral("reservedFlag"), r.ReservedFlag);
  if (!captionIsNew) w.text(QStringLiteral("storedCaption"), r.Caption.text());
  if (!blockIsZero) {
    const QByteArray block(reinterpret_cast<const char*>(r.ReservedBlock), kReservedBlockSize);
    w.text(QStringLiteral("reservedBlock"), QString::fromLatin1(block.toHex()));
  }
  if (!paddingIsZero) {
    const QByteArray padding(reinterpret_cast<const char*>(r.Padding), kPaddingSize);
    w.text(QStringLiteral("padding"), QString::fromLatin1(padding.toHex()));
  }
  w.endObject();
}

void writeSet(JsonWriter& w, const SetChoices& set, const QString& folder) {
  w.beginObject(QStringLiteral("set"));
  w.text(QStringLiteral("folder"), documentPath(set.folder, folder));
  w.text(QStringLiteral("prefix"), set.prefix);
  QStringList states;
  for (ButtonState s : set.states)
    states << StateName(s);
  w.texts(QStringLiteral("states"), states);
  w.numbers(QStringLiteral("scales"), set.scales);
  w.flag(QStringLiteral("uniform"), set.uniform);
  w.flag(QStringLiteral("sheet"), set.sheet);
  w.number(QStringLiteral("hoverLightness"), set.stateOptions.hoverLightness);
  w.number(QStringLiteral("pressedShift"), set.stateOptions.pressedShift);
  w.beginObject(QStringLiteral("stateDesigns"));
  for (auto it = set.stateDesigns.cbegin(); it != set.stateDesigns.cend(); ++it)
    w.text(StateName(it.key()), documentPath(it.value(), folder));
  w.endObject();
  w.endObject();
}

// ---------------------------------------------------------------------------------------
// Reading

class Reader {
 public:
  Reader(const QString& folder, QStringList* warnings) : folder_(folder), warnings_(warnings) {}

  QString error;

  bool fail(const QString& path, const QString& message) {
    error = QStringLiteral("%1: %2").arg(path, message);
    return false;
  }

  // Names every key of `object` that is not among `known`.
  void warnUnknown(const QJsonObject& object, const QString& at, const QStringList& known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
      if (!known.contains(it.key()) && warnings_)
        *warnings_ << QStringLiteral("%1: unknown key, ignored").arg(join(at, it.key()));
    }
  }

  static QString join(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + u'.' + key;
  }

  bool readInteger(const QJsonValue& v, const QString& path, qint64 low, qint64 high, qint64* out) {
    if (!v.isDouble())
      return fail(path, QStringLiteral("expected a whole number %1..%2").arg(low).arg(high));
    const double d = v.toDouble();
    if (!std::isfinite(d) || std::trunc(d) != d)
      return fail(path, QStringLiteral("expected a whole number %1..%2").arg(low).arg(high));
    if (d < static_cast<double>(low) || d > static_cast<double>(high))
      return fail(path, QStringLiteral("%1 is outside %2..%3")
                            .arg(QString::number(d, 'g', 17))
                            .arg(low)
                            .arg(high));
    *out = static_cast<qint64>(d);
    return true;
  }

  bool readInt32(const QJsonValue& v, const QString& path, std::int32_t* out) {
    qint64 n = 0;
    if (!readInteger(v, path, std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max(), &n))
      return false;
    *out = static_cast<std::int32_t>(n);
    return true;
  }

  bool readByte(const QJsonValue& v, const QString& path, std::uint8_t* out) {
    qint64 n = 0;
    if (!readInteger(v, path, 0, 255, &n)) return false;
    *out = static_cast<std::uint8_t>(n);
    return true;
  }

  bool readBool(const QJsonValue& v, const QString& path, bool* out) {
    if (!v.isBool()) return fail(path, QStringLiteral("expected true or false"));
    *out = v.toBool();
    return true;
  }

  bool readFlag(const QJsonValue& v, const QString& path, std::uint8_t* out) {
    if (v.isBool()) {
      *out = v.toBool() ? 1 : 0;
      return true;
    }
    if (!v.isDouble()) return fail(path, QStringLiteral("expected true, false or a number 0..255"));
    return readByte(v, path, out);
  }

  bool readString(const QJsonValue& v, const QString& path, QString* out) {
    if (!v.isString()) return fail(path, QStringLiteral("expected a string"));
    *out = v.toString();
    if (HasLoneSurrogate(*out))
      return fail(path, QStringLiteral("holds half a surrogate pair, which is no character"));
    return true;
  }

  bool readPath(const QJsonValue& v, const QString& at, QString* out) {
    if (!readString(v, at, out)) return false;
    *out = memoryPath(*out, folder_);
    return true;
  }

  bool readColour(const QJsonValue& v, const QString& path, Colour* out) {
    const QString expected =
        QStringLiteral("expected \"#RRGGBB\", \"system:N\" (N 0..255) or \"raw:0xXXXXXXXX\"");
    if (!v.isString()) return fail(path, expected);
    const QString s = v.toString();
    bool ok = false;
    if (s.size() == 7 && s[0] == u'#' && isHex(QStringView(s).mid(1))) {
      const uint rgb = s.mid(1).toUInt(&ok, 16);
      *out = MakeColour(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                        static_cast<int>(rgb & 0xFF));
      return true;
    }
    if (s.startsWith(QLatin1String("system:"))) {
      const QStringView digits = QStringView(s).mid(7);
      const uint n = digits.toUInt(&ok, 10);
      if (ok && isDecimal(digits) && digits.size() <= 3 && n <= 255) {
        *out = 0xFF000000u | n;
        return true;
      }
    }
    if (s.startsWith(QLatin1String("raw:0x")) && s.size() == 14 && isHex(QStringView(s).mid(6))) {
      *out = QStringView(s).mid(6).toUInt(&ok, 16);
      return true;
    }
    return fail(path, expected);
  }

  bool readKind(const QJsonValue& v, const QString& path, Kind k, std::uint8_t* out) {
    const auto* words = k == Kind::Shape ? kShapeWords.data() : kFillWords.data();
    const std::size_t count = k == Kind::Shape ? kShapeWords.size() : kFillWords.size();
    QStringList all;
    for (std::size_t i = 0; i < count; ++i)
      all << QString::fromLatin1(words[i]);
    if (v.isDouble()) return readByte(v, path, out);
    if (!v.isString())
      return fail(path, QStringLiteral("expected one of %1 or a number 0..255")
                            .arg(all.join(QLatin1String(", "))));
    const qsizetype i = all.indexOf(v.toString());
    if (i < 0)
      return fail(path, QStringLiteral("unknown %1 \"%2\" (%3, or a number 0..255)")
                            .arg(k == Kind::Shape ? QLatin1String("shape") : QLatin1String("fill"),
                                 v.toString(), all.join(QLatin1String(", "))));
    *out = static_cast<std::uint8_t>(i);
    return true;
  }

  bool readHex(const QJsonValue& v, const QString& path, std::size_t size, std::uint8_t* out) {
    QString s;
    if (!readString(v, path, &s)) return false;
    if (s.size() != static_cast<qsizetype>(2 * size) || !isHex(s))
      return fail(
          path,
          QStringLiteral("expected %1 bytes as %2 hexadecimal digits").arg(size).arg(2 * size));
    const QByteArray bytes = QByteArray::fromHex(s.toLatin1());
    std::memcpy(out, bytes.constData(), size);
    return true;
  }

  bool readObject(const QJsonValue& v, const QString& path, QJsonObject* out) {
    if (!v.isObject()) return fail(path, QStringLiteral("expected an object"));
    *out = v.toObject();
    return true;
  }

  bool readArray(const QJsonValue& v, const QString& path, QJsonArray* out) {
    if (!v.isArray()) return fail(path, QStringLiteral("expected an array"));
    *out = v.toArray();
    return true;
  }

  bool readLook(const QJsonObject& root, Design& d);
  bool readFont(const QJsonObject& root, CaptionFont& font);
  bool readCaptions(const QJsonObject& root, Design& d);
  bool readSet(const QJsonObject& root, SetChoices& set);
  bool readKq(const QJsonObject& root, Design& d);

 private:
  static bool isHex(QStringView s) {
    for (const QChar c : s) {
      if (!(c.isDigit() && c.unicode() < 0x80) && !(c >= u'a' && c <= u'f') &&
          !(c >= u'A' && c <= u'F'))
        return false;
    }
    return !s.isEmpty();
  }
  static bool isDecimal(QStringView s) {
    for (const QChar c : s) {
      if (c < u'0' || c > u'9') return false;
    }
    return !s.isEmpty();
  }

  QString folder_;
  QStringList* warnings_;
};

bool Reader::readLook(const QJsonObject& root, Design& d) {
  for (const LookField& f : kLook) {
    const QString key = QString::fromLatin1(f.key);
    const auto it = root.constFind(key);
    if (it == root.constEnd()) continue;
    const QJsonValue v = *it;
    switch (f.kind) {
      case Kind::Int32: {
        std::int32_t n = 0;
        if (!readInt32(v, key, &n)) return false;
        setInt32At(d.record, f.offset, n);
        break;
      }
      case Kind::Byte:
      case Kind::Flag:
      case Kind::Shape:
      case Kind::Fill: {
        std::uint8_t n = 0;
        const bool ok = f.kind == Kind::Byte   ? readByte(v, key, &n)
                        : f.kind == Kind::Flag ? readFlag(v, key, &n)
                                               : readKind(v, key, f.kind, &n);
        if (!ok) return false;
        setByteAt(d.record, f.offset, n);
        break;
      }
      case Kind::Colour: {
        Colour c = 0;
        if (!readColour(v, key, &c)) return false;
        setInt32At(d.record, f.offset, static_cast<std::int32_t>(c));
        break;
      }
      case Kind::Texture: {
        QString texture;
        if (!readPath(v, key, &texture)) return false;
        SetTexture(d, texture);
        break;
      }
    }
  }
  return true;
}

bool Reader::readFont(const QJsonObject& root, CaptionFont& font) {
  const auto it = root.constFind(QLatin1String("font"));
  if (it == root.constEnd()) return true;
  QJsonObject o;
  if (!readObject(*it, QStringLiteral("font"), &o)) return false;
  warnUnknown(o, QStringLiteral("font"),
              {"family", "size", "bold", "italic", "underline", "strikeout"});
  if (o.contains(QLatin1String("family")) &&
      !readString(o.value(QLatin1String("family")), QStringLiteral("font.family"), &font.name))
    return false;
  if (o.contains(QLatin1String("size")) &&
      !readInt32(o.value(QLatin1String("size")), QStringLiteral("font.size"), &font.size))
    return false;
  const std::pair<const char*, bool CaptionFont::*> styles[] = {
      {"bold", &CaptionFont::bold},
      {"italic", &CaptionFont::italic},
      {"underline", &CaptionFont::underline},
      {"strikeout", &CaptionFont::strikeout}};
  for (const auto& [key, member] : styles) {
    const QLatin1String k(key);
    if (o.contains(k) && !readBool(o.value(k), QStringLiteral("font.%1").arg(k), &(font.*member)))
      return false;
  }
  return true;
}

bool Reader::readCaptions(const QJsonObject& root, Design& d) {
  const auto it = root.constFind(QLatin1String("captions"));
  if (it != root.constEnd()) {
    QJsonArray list;
    if (!readArray(*it, QStringLiteral("captions"), &list)) return false;
    if (list.isEmpty())
      return fail(QStringLiteral("captions"), QStringLiteral("a design needs a caption"));
    if (list.size() > kMaxCaptions)
      return fail(QStringLiteral("captions"),
                  QStringLiteral("%1 captions; a design holds at most %2")
                      .arg(list.size())
                      .arg(kMaxCaptions));
    QList<Caption> captions;
    captions.reserve(list.size());
    QHash<QString, qsizetype> names;
    for (qsizetype i = 0; i < list.size(); ++i) {
      const QString at = QStringLiteral("captions[%1]").arg(i);
      QJsonObject o;
      if (!readObject(list[i], at, &o)) return false;
      warnUnknown(o, at, {"text", "name", "link"});
      Caption c;
      if (o.contains(QLatin1String("text"))) {
        if (!readString(o.value(QLatin1String("text")), at + QLatin1String(".text"), &c.text))
          return false;
        c.text = documentLines(c.text);
      }
      if (o.contains(QLatin1String("name"))) {
        const QString nameAt = at + QLatin1String(".name");
        if (!readString(o.value(QLatin1String("name")), nameAt, &c.name)) return false;
        const QString problem = CaptionNameProblem(c.name);
        if (!problem.isEmpty()) return fail(nameAt, problem);
        const auto seen = names.constFind(c.name);
        if (seen != names.constEnd())
          return fail(
              nameAt,
              QStringLiteral("\"%1\" is the name of captions[%2] too").arg(c.name).arg(*seen));
        names.insert(c.name, i);
      }
      if (o.contains(QLatin1String("link")) &&
          !readString(o.value(QLatin1String("link")), at + QLatin1String(".link"), &c.link))
        return false;
      captions << c;
    }
    d.captions = captions;
  }
  const auto current = root.constFind(QLatin1String("currentCaption"));
  if (current != root.constEnd()) {
    qint64 n = 0;
    if (!readInteger(*current, QStringLiteral("currentCaption"), 0, d.captions.size() - 1, &n))
      return false;
    d.current = static_cast<int>(n);
  }
  return true;
}

bool Reader::readSet(const QJsonObject& root, SetChoices& set) {
  const auto it = root.constFind(QLatin1String("set"));
  if (it == root.constEnd()) return true;
  QJsonObject o;
  if (!readObject(*it, QStringLiteral("set"), &o)) return false;
  warnUnknown(o, QStringLiteral("set"),
              {"folder", "prefix", "states", "scales", "uniform", "sheet", "hoverLightness",
               "pressedShift", "stateDesigns"});
  const auto has = [&](const char* key) { return o.contains(QLatin1String(key)); };
  const auto value = [&](const char* key) { return o.value(QLatin1String(key)); };
  if (has("folder") && !readPath(value("folder"), QStringLiteral("set.folder"), &set.folder))
    return false;
  if (has("prefix") && !readString(value("prefix"), QStringLiteral("set.prefix"), &set.prefix))
    return false;
  if (has("states")) {
    QJsonArray list;
    if (!readArray(value("states"), QStringLiteral("set.states"), &list)) return false;
    QList<ButtonState> states;
    for (qsizetype i = 0; i < list.size(); ++i) {
      const QString at = QStringLiteral("set.states[%1]").arg(i);
      QString name;
      if (!readString(list[i], at, &name)) return false;
      const std::optional<ButtonState> state = StateOfName(name);
      if (!state)
        return fail(
            at,
            QStringLiteral("unknown state \"%1\" (normal, hover, pressed, disabled)").arg(name));
      states << *state;
    }
    set.states = states;
  }
  if (has("scales")) {
    QJsonArray list;
    if (!readArray(value("scales"), QStringLiteral("set.scales"), &list)) return false;
    QList<int> scales;
    for (qsizetype i = 0; i < list.size(); ++i) {
      std::int32_t n = 0;
      if (!readInt32(list[i], QStringLiteral("set.scales[%1]").arg(i), &n)) return false;
      scales << n;
    }
    set.scales = scales;
  }
  if (has("uniform") && !readBool(value("uniform"), QStringLiteral("set.uniform"), &set.uniform))
    return false;
  if (has("sheet") && !readBool(value("sheet"), QStringLiteral("set.sheet"), &set.sheet))
    return false;
  if (has("hoverLightness") &&
      !readInt32(value("hoverLightness"), QStringLiteral("set.hoverLightness"),
                 &set.stateOptions.hoverLightness))
    return false;
  if (has("pressedShift") && !readInt32(value("pressedShift"), QStringLiteral("set.pressedShift"),
                                        &set.stateOptions.pressedShift))
    return false;
  if (has("stateDesigns")) {
    QJsonObject designs;
    if (!readObject(value("stateDesigns"), QStringLiteral("set.stateDesigns"), &designs))
      return false;
    QMap<ButtonState, QString> paths;
    for (auto d = designs.begin(); d != designs.end(); ++d) {
      const QString at = QStringLiteral("set.stateDesigns.%1").arg(d.key());
      const std::optional<ButtonState> state = StateOfName(d.key());
      if (!state)
        return fail(
            at,
            QStringLiteral("unknown state \"%1\" (normal, hover, pressed, disabled)").arg(d.key()));
      QString file;
      if (!readPath(d.value(), at, &file)) return false;
      if (file.isEmpty()) return fail(at, QStringLiteral("expected the path of a design"));
      paths.insert(*state, file);
    }
    set.stateDesigns = paths;
  }
  return true;
}

bool Reader::readKq(const QJsonObject& root, Design& d) {
  ButtonDesign& r = d.record;
  const auto it = root.constFind(QLatin1String("kq"));
  QJsonObject o;
  if (it != root.constEnd() && !readObject(*it, QStringLiteral("kq"), &o)) return false;
  warnUnknown(o, QStringLiteral("kq"),
              {"lastTextIndex", "reservedFlag", "storedCaption", "reservedBlock", "padding"});
  const auto has = [&](const char* key) { return o.contains(QLatin1String(key)); };
  const auto value = [&](const char* key) { return o.value(QLatin1String(key)); };
  if (has("lastTextIndex")) {
    if (!readInt32(value("lastTextIndex"), QStringLiteral("kq.lastTextIndex"), &r.LastTextIndex))
      return false;
  } else {
    SetLastTextIndex(d);
  }
  if (has("reservedFlag") &&
      !readByte(value("reservedFlag"), QStringLiteral("kq.reservedFlag"), &r.ReservedFlag))
    return false;
  if (has("storedCaption")) {
    const QString at = QStringLiteral("kq.storedCaption");
    QString text;
    if (!readString(value("storedCaption"), at, &text)) return false;
    bool lossy = false;
    const QByteArray bytes = EncodeWindows1252(text, &lossy);
    if (lossy) return fail(at, QStringLiteral("holds characters outside Windows-1252"));
    if (bytes.size() > 255) return fail(at, QStringLiteral("longer than 255 characters"));
    r.Caption.setBytes(bytes);
  }
  if (has("reservedBlock") && !readHex(value("reservedBlock"), QStringLiteral("kq.reservedBlock"),
                                       kReservedBlockSize, r.ReservedBlock))
    return false;
  if (has("padding") &&
      !readHex(value("padding"), QStringLiteral("kq.padding"), kPaddingSize, r.Padding))
    return false;
  return true;
}

QString notADesign(const QString& why) {
  return QStringLiteral("Not a Tessaro design: %1").arg(why);
}

}  // namespace

QByteArray EncodeDesignDocument(const Design& design, const QString& folder) {
  const QString base = folder.isEmpty() ? folder : QDir::cleanPath(folder);
  JsonWriter w;
  w.beginObject();
  w.number(QStringLiteral("tessaro"), kDesignDocumentFormat);
  for (const LookField& f : kLook)
    writeLookField(w, f, design, base);

  w.beginObject(QStringLiteral("font"));
  w.text(QStringLiteral("family"), design.font.name);
  w.number(QStringLiteral("size"), design.font.size);
  w.flag(QStringLiteral("bold"), design.font.bold);
  w.flag(QStringLiteral("italic"), design.font.italic);
  w.flag(QStringLiteral("underline"), design.font.underline);
  w.flag(QStringLiteral("strikeout"), design.font.strikeout);
  w.endObject();

  w.beginArray(QStringLiteral("captions"));
  for (const Caption& c : design.captions) {
    w.beginObject();
    w.text(QStringLiteral("text"), c.text);
    if (!c.name.isEmpty()) w.text(QStringLiteral("name"), c.name);
    if (!c.link.isEmpty()) w.text(QStringLiteral("link"), c.link);
    w.endObject();
  }
  w.endArray();
  w.number(QStringLiteral("currentCaption"), design.current);
  writeSet(w, design.set, base);
  writeKq(w, design);
  w.endObject();
  return w.finish();
}

bool DecodeDesignDocument(const QByteArray& data, const QString& folder, Design* design,
                          QString* error, QStringList* warnings) {
  const qsizetype skip = StartsWithUtf8Bom(data) ? kUtf8BomSize : 0;
  const QByteArray text = data.mid(skip);
  if (const qsizetype line = FirstNonUtf8Line(text)) {
    *error = notADesign(QStringLiteral("line %1 is not UTF-8 text").arg(line));
    return false;
  }
  QJsonParseError parse;
  const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
  if (parse.error != QJsonParseError::NoError) {
    const TextPosition at = PositionOf(text, parse.offset);
    *error = notADesign(QStringLiteral("not JSON (%1 at line %2, column %3)")
                            .arg(parse.errorString())
                            .arg(at.line)
                            .arg(at.column));
    return false;
  }
  if (!document.isObject()) {
    *error = notADesign(QStringLiteral("not a JSON object"));
    return false;
  }
  const QJsonObject root = document.object();
  const auto format = root.constFind(QLatin1String("tessaro"));
  if (format == root.constEnd()) {
    *error = notADesign(QStringLiteral("no \"tessaro\" format number"));
    return false;
  }
  const double number = format->toDouble(-1);
  if (!format->isDouble() || std::trunc(number) != number || number < 1) {
    *error = QStringLiteral("tessaro: expected the format number %1").arg(kDesignDocumentFormat);
    return false;
  }
  if (number > kDesignDocumentFormat) {
    *error = QStringLiteral("Made by a newer Tessaro: format %1; this version reads format %2")
                 .arg(QString::number(number, 'g', 17))
                 .arg(kDesignDocumentFormat);
    return false;
  }

  QStringList unknown;
  Reader reader(folder.isEmpty() ? folder : QDir::cleanPath(folder), &unknown);
  QStringList known = {"tessaro", "font", "captions", "currentCaption", "set", "kq"};
  for (const LookField& f : kLook)
    known << QString::fromLatin1(f.key);
  reader.warnUnknown(root, {}, known);

  Design d;
  if (!reader.readLook(root, d) || !reader.readFont(root, d.font) ||
      !reader.readCaptions(root, d) || !reader.readSet(root, d.set) || !reader.readKq(root, d)) {
    *error = reader.error;
    return false;
  }
  *design = d;
  if (warnings) *warnings << unknown;
  return true;
}
