#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The drives of the export dialog: the mounted volumes that hold directories.

enum class VolumeKind { Fixed, Removable, Optical, Network, RamDisk };

struct Volume {
  QString rootPath;  // the mount point: "/" or a path without a trailing separator
  QString name;      // what the drive chooser shows
  VolumeKind kind = VolumeKind::Fixed;
};

// The kind of a volume, from its file system type, its device and its mount point.
VolumeKind KindOfVolume(const QByteArray& fileSystemType, const QByteArray& device,
                        const QString& rootPath);

// The volumes mounted now, "/" first and the others by mount point; "/" is always there.
QList<Volume> MountedVolumes();

// The index of the volume that holds `path` (the one with the deepest mount point), or -1
// when none does.
qsizetype VolumeOf(const QList<Volume>& volumes, const QString& path);
