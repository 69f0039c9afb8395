#pragma once

#include <QByteArray>
#include <QString>

// Writes data to path through a temporary file that replaces the old one only after every
// byte is on disk, so a failed write never costs the file that was there. On failure,
// returns false and sets *error to a message naming the path.
bool WriteFileAtomically(const QString& path, const QByteArray& data, QString* error);

// Reads at most maxBytes from a regular file (devices and pipes are refused, so a hostile
// path cannot block or flood the reader). False with *error set when it cannot be read.
bool ReadFileHead(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);
