#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A texture is tiled or stretched over a button a few hundred pixels across, so a picture
// beyond these limits is a mistake or an attack; they still admit a full-size camera photo.
// 64 megapixels are 256 MiB as RGB32.
inline constexpr int kMaxTextureSide = 16384;
inline constexpr qint64 kMaxTexturePixels = qint64{64} << 20;
// A JPEG decodes through libjpeg's buffers, one sample per pixel and component: enough for a
// colour photo at the pixel limit (a four-component CMYK file is held to 48 megapixels).
inline constexpr qint64 kMaxJpegSamples = 3 * kMaxTexturePixels;
// A progressive JPEG keeps every coefficient (2 bytes per sample) until its last scan; the
// rest is libjpeg's working memory.
inline constexpr long kMaxJpegMemory = static_cast<long>(2 * kMaxJpegSamples + (qint64{32} << 20));
// Real progressive files have a dozen scans; each scan is a pass over the whole image.
inline constexpr int kMaxJpegScans = 500;
// The largest texture file read at all.
inline constexpr qint64 kMaxTextureFileBytes = qint64{256} << 20;

// The kinds of texture file, told by the path's ending (letters a..z upper-cased, tried in
// the order .JPG, .JPEG, .BMP, .DIB).
enum class TextureFormat { Unknown, Jpeg, Bmp };
TextureFormat TextureFormatOf(const QString& path);

// Reads a texture image into *texture as RGB32. False with *error set (a message for the
// user naming the path) when the ending is unknown or the file cannot be read or decoded;
// *texture is then unchanged.
bool LoadTextureImage(const QString& path, QImage* texture, QString* error);

// The decoders on the file's bytes: an RGB32 image, or a null image with *error set.
QImage DecodeJpegTexture(const QByteArray& data, QString* error);
QImage DecodeBmpTexture(const QByteArray& data, QString* error);
