#pragma once

#include "CommandOptions.h"

// The exit statuses of tessaro-render.
enum CommandStatus { kCommandOk = 0, kCommandFailed = 1, kCommandUsage = 2 };

// Runs the command: loads (or makes) the design, renders and writes what the options ask
// for. Messages go to stderr, --print-size to stdout. Returns the exit status.
int RunRenderCommand(const CommandOptions& options);
