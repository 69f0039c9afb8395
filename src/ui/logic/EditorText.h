#pragma once

#include <QString>
#include <QStringList>

// Texts the editor shows or stores, kept apart from the widgets so they can be tested alone.

// The caption heading: "Text" while there is only one caption, otherwise "Text (i/n)" with
// the current caption i of n, counting from 1 (the last index is n - 1).
QString CaptionSlotHeading(int current, int lastIndex);

// The memo's text as a caption's: every line break (CR LF, CR, LF, the line and paragraph
// separators the memo makes) as "\n".
QString MemoTextToCaption(const QString& memoText);
// A caption's text in a slot of the record the renderer draws: line breaks as CR LF, then
// the first 255 characters (a surrogate pair is one character, as the slot stores it as one
// byte).
QString MemoTextToSlot(const QString& memoText);
// The longest start of a memo text whose slot form holds at most `limit` characters,
// never ending inside a line break.
QString FitMemoText(const QString& memoText, int limit = 255);
// What the memo keeps of a user's edit from `before` to `edited`, its length limit: the
// edit when its slot form holds at most `limit` characters, else the longest start that
// does (FitMemoText). A caption that was longer already (a design document's) is never cut:
// an edit that does not lengthen it is kept, and one that does is refused (`before`).
QString LimitMemoEdit(const QString& before, const QString& edited, int limit = 255);

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
