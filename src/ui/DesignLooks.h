#pragma once

#include <QImage>

#include "ButtonSet.h"
#include "Design.h"

// What the renderer and a button set take of the editor's design. Both take a record whose
// caption slots hold the captions; these are the only places in the editor that make one.

// The record the preview and the image exports render: the design's record with the current
// caption in the slot it draws (its lines joined by CR LF, at most 255 characters, in
// Windows-1252).
ButtonDesign RenderRecord(const Design& design);

// The look a button set starts from: the record of the design (the captions a design file
// holds, the current one the set's), its font and the texture picture.
ButtonLook SetLook(const Design& design, const QImage& texture);

// The looks of the states that have a design of their own (either kind), each with its
// texture. False with *error naming the file at the first design or texture that cannot be
// read.
bool StateLooksOf(const QMap<ButtonState, QString>& designs, QMap<ButtonState, ButtonLook>* looks,
                  QString* error);
