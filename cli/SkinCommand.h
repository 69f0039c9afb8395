#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QMap>
#include <QString>

#include "ButtonSet.h"

struct CommandOptions;

// The options of --skin (--skin, --skin-size, --skin-outputs), for the command's parser.
QList<QCommandLineOption> SkinCommandLineOptions();

// Reads them from a parser that has parsed the command line; empty, or why the command
// line is refused.
QString ReadSkinOptions(const QCommandLineParser& parser, CommandOptions* options);

// Writes the skin of --skin; its warnings go to stderr. The exit status.
int RunSkinCommand(const ButtonLook& normal, const QList<Caption>& captions, int current,
                   const QMap<ButtonState, ButtonLook>& stateLooks, const CommandOptions& options);
