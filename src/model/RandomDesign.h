#pragma once

#include "ButtonDesign.h"
#include "Design.h"
#include "DesignHost.h"
#include "RandomGenerator.h"

// Replaces the look of the design by a random one (19 draws, in a fixed order); captions,
// the caption slot and ReservedBlock are kept. Ends by setting LastTextIndex
// (SetLastTextIndex) and synchronising the controls; does not render.
void MakeRandomDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host);
// The same look, the same draws, for a whole design: captions, the current caption and the
// set choices are kept, the texture path emptied.
void MakeRandomDesign(Design& design, DesignHost& host);
