#include "SkinJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CaptionText.h"
#include "Skin.h"

namespace {
QJsonObject Sides(const QMargins& m) {
  return {{"left", m.left()}, {"top", m.top()}, {"right", m.right()}, {"bottom", m.bottom()}};
}
}  // namespace

QString SkinJsonFileName(const QString& prefix) {
  return prefix + QStringLiteral("-skin.json");
}

QByteArray SkinJson(const Skin& skin, const QString& prefix, const QList<int>& scales) {
  QJsonArray states;
  for (const SkinStateImage& state : skin.states) {
    QJsonArray images;
    for (int scale : {1, 2}) {
      if (!scales.contains(scale)) continue;
      const QJsonObject font{{"family", state.font.name},
                             {"pixelSize", CaptionQFont(state.font, 1).pixelSize() * scale},
                             {"lineHeight", state.lineHeight * scale},
                             {"bold", state.font.bold},
                             {"italic", state.font.italic}};
      images.append(QJsonObject{{"scale", scale},
                                {"file", SkinImageFileName(prefix, state.state, scale)},
                                {"width", skin.size.width() * scale},
                                {"height", skin.size.height() * scale},
                                {"insets", Sides(state.insets.stretch * scale)},
                                {"padding", Sides(state.insets.content * scale)},
                                {"textColour", QColor(state.textColour).name()},
                                {"font", font},
                                {"textShift", QJsonObject{{"x", state.textShift.x() * scale},
                                                          {"y", state.textShift.y() * scale}}}});
    }
    states.append(QJsonObject{{"state", StateName(state.state)}, {"images", images}});
  }
  const QJsonObject root{{"format", "tessaro-skin"},
                         {"version", 1},
                         {"states", states},
                         {"warnings", QJsonArray::fromStringList(skin.warnings)}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
