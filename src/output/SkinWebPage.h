#pragma once

#include <QList>
#include <QMargins>
#include <QSize>
#include <QString>
#include <QStringList>

#include "Design.h"

struct Skin;
struct SkinStateImage;

// A skin on the web: a stylesheet whose class makes any <a> or <button> a button with live
// text over the stretching skin (CSS border-image), and a page that shows it.

// "NAME-skin.css" and "NAME-skin.html".
QString SkinStylesheetFileName(const QString& prefix);
QString SkinPageFileName(const QString& prefix);

// The class of the skin: the prefix as the set's classes make it a CSS identifier
// (CssClassBase).
QString SkinClassName(const QString& prefix);

// Where a state's text may go, as distances from the box's edges: the content distances,
// moved by the state's text shift. The stylesheet's border takes them (the image is drawn
// by its own width), so moving the text changes neither the box nor the image.
QMargins SkinTextArea(const SkinStateImage& state);

// The box the stylesheet gives a state holding one line `textWidth` CSS pixels wide: the
// line inside the text area, never narrower than the two insets and a pixel between them
// nor lower than the skin.
QSize SkinBoxSize(const Skin& skin, const SkinStateImage& state, int textWidth);

// A caption as the page shows it: one line, without control characters, trimmed.
QString SkinPageCaption(const QString& caption);

// The stylesheet. The class's rule holds the normal state (or the first state asked for),
// then come hover (:hover, .is-hover), pressed (:active, .is-pressed) and disabled
// (:disabled, .is-disabled, [aria-disabled="true"]) in that order whatever order they were
// asked in, so a disabled button never shows hover. Each state: the skin through a plain
// url() and then image-set() (1x and 2x), sliced at its insets with fill and drawn that wide
// (border-image-width); the border is as wide as the content distances, so the text stays
// inside the bevel and outline (and the design's margin) while it may stand beside the
// stretching band of a rounded end, and moves the text by the state's shift without
// changing the box. The caption font and the state's text colour. The box is never smaller than the
// skin's height and its two insets, so the corners are never scaled. Disabled takes no
// pointer events; keyboard focus shows a ring; with forced colours the text shows with a
// system-colour border instead of the image.
QString SkinStylesheet(const Skin& skin, const QString& prefix, const QList<int>& scales);

// The page: every caption of the design and a long one and one in Greek, as links in
// each state asked for (the states by class, the disabled ones not focusable), and as
// <button> elements, each with its direction from its own text.
QString SkinPage(const Skin& skin, const QString& prefix, const QList<Caption>& captions);

// The captions the page shows: every caption with text, as one line, without control
// characters; then the long and the Greek one.
QStringList SkinPageCaptions(const QList<Caption>& captions);
