#pragma once

#include <QStringList>

#include "ButtonDesign.h"
#include "CaptionFont.h"
#include "Design.h"

// A design file's record and font as a design: the captions are slots 0 .. the last slot
// in use (empty ones included), their lines split by the caption line rule; current is
// TextIndex brought into 0..31; the texture is TextureFile's text. Every other byte of the
// record is kept.
Design DesignOfRecord(const ButtonDesign& record, const CaptionFont& font);

// The record of a design, for a design file (the font goes beside it, from design.font):
// captions 0..31 into the slots with the slot's own line break (CR LF), TextIndex :=
// current (at most 31), TextureFile from the texture, everything else from design.record.
// `losses` (if given) gets, in plain words, each thing the record cannot hold: characters
// outside Windows-1252, captions beyond 32, captions, paths and a font name over 255
// bytes, caption names and links, set choices other than the defaults. None: nothing is
// lost.
ButtonDesign RecordOfDesign(const Design& design, QStringList* losses = nullptr);
