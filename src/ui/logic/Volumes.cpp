#include "Volumes.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {
bool isOneOf(const QByteArray& value, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(),
                     [&value](const char* name) { return value == name; });
}

// `path` is `root` or lies below it.
bool holds(const QString& root, const QString& path) {
  if (root == QLatin1String("/")) return path.startsWith(u'/');
  return path == root || path.startsWith(root + u'/');
}
}  // namespace

VolumeKind KindOfVolume(const QByteArray& fileSystemType, const QByteArray& device,
                        const QString& rootPath) {
  const QByteArray type = fileSystemType.toLower();
  if (isOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs",
                     "ceph", "glusterfs", "davfs", "fuse.davfs2", "fuse.rclone"}) ||
      device.startsWith("//") || (device.contains(":/") && !device.startsWith("/"))) {
    return VolumeKind::Network;
  }
  if (isOneOf(type, {"iso9660", "udf"}) || device.startsWith("/dev/sr") ||
      device.startsWith("/dev/cdrom")) {
    return VolumeKind::Optical;
  }
  if (isOneOf(type, {"tmpfs", "ramfs"})) return VolumeKind::RamDisk;
  if (rootPath.startsWith(QLatin1String("/media/")) ||
      rootPath.startsWith(QLatin1String("/run/media/"))) {
    return VolumeKind::Removable;
  }
  return VolumeKind::Fixed;
}

QList<Volume> MountedVolumes() {
  QList<Volume> volumes;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    const QString root = storage.rootPath();
    // Files mounted over files (a container's /etc/hosts) hold no directories.
    if (!storage.isValid() || !storage.isReady() || !QFileInfo(root).isDir()) continue;
    if (std::any_of(volumes.begin(), volumes.end(),
                    [&root](const Volume& v) { return v.rootPath == root; })) {
      continue;
    }
    const QString label = storage.displayName();
    volumes.append({root, label == root ? root : QStringLiteral("%1 (%2)").arg(label, root),
                    KindOfVolume(storage.fileSystemType(), storage.device(), root)});
  }
  if (std::none_of(volumes.begin(), volumes.end(),
                   [](const Volume& v) { return v.rootPath == QLatin1String("/"); })) {
    volumes.append({QStringLiteral("/"), QStringLiteral("/"), VolumeKind::Fixed});
  }
  std::sort(volumes.begin(), volumes.end(),
            [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
  return volumes;
}

qsizetype VolumeOf(const QList<Volume>& volumes, const QString& path) {
  qsizetype best = -1;
  for (qsizetype i = 0; i < volumes.size(); ++i) {
    if (holds(volumes[i].rootPath, path) &&
        (best < 0 || volumes[i].rootPath.size() > volumes[best].rootPath.size())) {
      best = i;
    }
  }
  return best;
}
