#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// Widget tests need one application object for the whole program.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The user's own settings folder stays the user's: a store a test opens lands in a test folder.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
