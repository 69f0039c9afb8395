#pragma once

#include <QImage>

#include "ButtonSet.h"
#include "Design.h"

// What the renderer, a button set and a skin take of the editor's design: the record of its
// look; the captions go beside it, as the design holds them.

// The record the preview and the image exports render (its caption slots are not drawn:
// the renderer takes the current caption's text beside it).
ButtonDesign RenderRecord(const Design& design);

// The look a button set or skin starts from: the design's record, its font and the texture
// picture.
ButtonLook SetLook(const Design& design, const QImage& texture);

// The looks of the states that have a design of their own (either kind), each with its
// texture. False with *error naming the file at the first design or texture that cannot be
// read.
bool StateLooksOf(const QMap<ButtonState, QString>& designs, QMap<ButtonState, ButtonLook>* looks,
                  QString* error);
