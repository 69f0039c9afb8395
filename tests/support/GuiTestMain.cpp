#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  // Also when ctest lists the tests at build time: no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
