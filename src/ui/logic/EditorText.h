#pragma once

#include <QString>
#include <QStringList>

// Texts the editor shows or stores, kept apart from the widgets so they can be tested alone.

// The caption heading: "Text" while only slot 0 is in use, otherwise "Text (i/n)" with the
// current slot i and the last slot in use n, both counted from 1.
QString CaptionSlotHeading(int textIndex, int lastTextIndex);

// The memo separates lines with "\n"; a caption slot with CR LF. A slot's lone CR is a line
// break for the renderer too and shows as one; a lone LF, which the renderer ignores, is
// dropped (the memo has no way to show it). So CR LF captions come back byte for byte.
QString SlotTextToMemo(const QString& slotText);
// Line breaks as CR LF, then the first 255 characters (a surrogate pair is one character,
// as the slot stores it as one byte).
QString MemoTextToSlot(const QString& memoText);
// The longest start of a memo text whose slot form holds at most `limit` characters,
// never ending inside a line break: the memo's own length limit.
QString FitMemoText(const QString& memoText, int limit = 255);

// The file-name part of a path: the text after the last "/", "\" or ":".
QString FileNamePart(const QString& path);

// A name chosen in a save dialog: "." + suffix is added when the file name holds no dot,
// as the dialog does for a name typed without an ending (a file dialog of the desktop may
// not). An empty suffix leaves the path as it is.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// A filter of the form "Label|patterns|Label|patterns" (patterns separated by ";") as
// QFileDialog name filters. The label stays what the user sees when the dialog hides the
// filter details; the patterns follow it in the "(*.a *.b)" form Qt reads, "*.*" as "*"
// (every file, with or without a dot).
QStringList DialogNameFilters(const QString& filter);
