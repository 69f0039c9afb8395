#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct Skin;

// "NAME-skin.json".
QString SkinJsonFileName(const QString& prefix);

// The skin for game engines and other code that draws its own nine-patches: for each state
// and scale its image file, size, the four insets, the content padding, the text colour,
// the font (family, pixel size, line height, bold, italic) and the text shift, all in that scale's
// pixels. Written by Qt JSON with its keys sorted: the same skin gives the same bytes.
QByteArray SkinJson(const Skin& skin, const QString& prefix, const QList<int>& scales);
