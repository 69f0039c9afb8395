#pragma once

#include <QString>
#include <QtGlobal>

// Whether a message that Qt logs is its own chatter rather than something for the user:
// debug and info messages, Qt's categorised warnings ("qt.qpa.…") and its notes about the
// environment ("QStandardPaths: XDG_RUNTIME_DIR not set…", "OpenType support missing for
// …" of every font without a script a caption uses). Other warnings are kept.
bool IsQtChatter(QtMsgType type, const char* category, const QString& message);

// Sends Qt's messages through IsQtChatter: chatter is dropped, the rest goes to stderr.
void InstallQtChatterFilter();
