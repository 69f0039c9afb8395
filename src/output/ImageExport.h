#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The button as a JPEG file: libjpeg's default compression parameters, quality 100 with
// baseline tables forced, sequential, YCbCr from 24-bit RGB rows, JFIF. An empty byte
// array with *error set (libjpeg's message, "JPEG error #<code> (<text>)") on failure.
QByteArray EncodeJpeg(const QImage& image, QString* error);

// Encodes and writes atomically: a failure leaves any existing file at path as it was.
// False with *error set to a message naming the path.
bool ExportJpeg(const QImage& image, const QString& path, QString* error);

// An uncompressed 24-bit Windows bitmap, bottom-up, rows padded to 4 bytes. Any alpha of
// the image is dropped. Empty for a null image or one too large for the format.
QByteArray EncodeBmp(const QImage& image);

// As ExportJpeg, for a bitmap file.
bool ExportBmp(const QImage& image, const QString& path, QString* error);

// A PNG file (PngStream): 8-bit channels, with the image's alpha when it has one (straight,
// as PNG stores it).
QByteArray EncodePng(const QImage& image, QString* error);
bool ExportPng(const QImage& image, const QString& path, QString* error);

// The kinds of image file Tessaro writes.
enum class ImageType { Jpeg, Bmp, Png };
// "jpg", "bmp" or "png".
QString EndingOf(ImageType type);
// By a file name's ending (.jpg, .jpeg, .bmp, .png, in any case); none for another.
std::optional<ImageType> ImageTypeOfPath(const QString& path);
// Writes the image as `type`, atomically; false with *error set. A null image (a button of
// size 0) is refused rather than written as an empty file.
bool ExportImage(const QImage& image, const QString& path, ImageType type, QString* error);
