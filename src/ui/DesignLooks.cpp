#include "DesignLooks.h"

#include "DesignFile.h"
#include "DesignFiles.h"
#include "TextureImage.h"

ButtonDesign RenderRecord(const Design& design) {
  return design.record;
}

ButtonLook SetLook(const Design& design, const QImage& texture) {
  ButtonLook look;
  look.design = design.record;
  look.font = design.font;
  look.texture = texture;
  return look;
}

bool StateLooksOf(const QMap<ButtonState, QString>& designs, QMap<ButtonState, ButtonLook>* looks,
                  QString* error) {
  for (auto it = designs.constBegin(); it != designs.constEnd(); ++it) {
    Design design;
    if (!ReadDesign(it.value(), &design, error)) return false;
    QImage texture;
    QString reason;
    if (!design.texture.isEmpty() && !LoadTextureImage(design.texture, &texture, &reason)) {
      *error = QStringLiteral("%1 (the %2 design %3)")
                   .arg(TextureNotFoundMessage(design.texture), StateName(it.key()), it.value());
      return false;
    }
    (*looks)[it.key()] = SetLook(design, texture);
  }
  return true;
}
