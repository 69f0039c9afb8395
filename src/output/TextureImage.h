#pragma once

#include <QImage>
#include <QString>

// The kinds of texture file, told by the path's ending (upper-cased, tried in the order
// .JPG, .JPEG, .BMP, .DIB).
enum class TextureFormat { Unknown, Jpeg, Bmp };
TextureFormat TextureFormatOf(const QString& path);

// Reads a texture image into *texture as RGB32. False with *error set (a message for the
// user naming the path) when the ending is unknown or the file cannot be read or decoded;
// *texture is then unchanged.
bool LoadTextureImage(const QString& path, QImage* texture, QString* error);
