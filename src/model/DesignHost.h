#pragma once

#include <QString>

// What the design operations (reset, load, random design) need from their surroundings.
// The editor answers with message boxes, its texture holder and its controls; the
// command-line renderer with stderr and a plain image.
class DesignHost {
 public:
  virtual ~DesignHost() = default;
  // A message for the user ("Invalid file ...", "Couldnt find or open texturefile...").
  virtual void showMessage(const QString& text) = 0;
  // A warning that does not stop the operation (keys of a design document this version
  // does not know). As a message unless the host has a quieter way.
  virtual void showWarning(const QString& text) { showMessage(text); }
  // Reads the texture image into the texture bitmap; false when it cannot be read.
  virtual bool loadTexture(const QString& path) = 0;
  // Empties the texture bitmap.
  virtual void clearTexture() = 0;
  // Fills every control from the record (SyncControls); nothing without an editor.
  virtual void syncControls() = 0;
  // Renders the design (RenderButton).
  virtual void render() = 0;
};
