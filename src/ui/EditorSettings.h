#pragma once

#include <QSettings>

// Where the editor keeps what it remembers between runs: the recent design files, the
// window's place and its page, the choices of the last set exported. Tests turn on
// QStandardPaths' test mode before the first use, which puts it in a scratch folder.
class EditorSettings : public QSettings {
 public:
  EditorSettings() : QSettings(QStringLiteral("Tessaro"), QStringLiteral("Tessaro")) {}
};
