#pragma once

#include "ButtonDesign.h"
#include "DesignHost.h"
#include "RandomGenerator.h"

// Replaces the look of the design by a random one (19 draws, in a fixed order); captions,
// the caption slot and ReservedBlock are kept. Ends by setting LastTextIndex
// (SetLastTextIndex) and synchronising the controls; does not render.
void MakeRandomDesign(ButtonDesign& design, CaptionFont& font, DesignHost& host);
