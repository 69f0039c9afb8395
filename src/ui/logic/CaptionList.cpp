#include "CaptionList.h"

#include <algorithm>

void DropEmptyCaptionsAfter(QList<Caption>& captions, int keep) {
  const qsizetype first = std::max(keep, 0) + 1;
  while (captions.size() > std::max<qsizetype>(first, 1) && captions.back() == Caption{})
    captions.removeLast();
}

void KeepCurrentCaption(Design& design) {
  design.current = std::clamp(design.current, 0, kMaxCaptions - 1);
  while (design.captions.size() <= design.current)
    design.captions.append(Caption{});
  DropEmptyCaptionsAfter(design.captions, design.current);
}
