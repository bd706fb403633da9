// File > Export Logbook as UDDF as a diver meets it: where it sits, when it can be chosen, and
// what it says when it works and when it cannot write.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include "AppTestWindow.h"
#include "support/UddfSchema.h"

namespace scrb {
namespace {

QAction* ExportAction(test::TestWindow& w) {
  return w.form->findChild<QAction*>("ExportUddfAction");
}

TEST(UddfExport, MenuEntryFollowsMergeAndIsEnabledOnlyWithDives) {
  test::TestWindow w;
  w.Start();
  const QList<QAction*> fileMenu = w.form->menuBar()->actions().at(0)->menu()->actions();
  const auto merge = std::find_if(fileMenu.begin(), fileMenu.end(),
                                  [](QAction* a) { return a->text() == "&Merge Logbook"; });
  ASSERT_NE(merge, fileMenu.end());
  EXPECT_EQ((*std::next(merge))->text(), "Export Logbook as UDDF...");
  QAction* action = ExportAction(w);
  EXPECT_FALSE(action->isEnabled());
  const QString one = test::WriteLogbook("one.log", test::BuildLogbook({test::EntryBuilder{}}));
  w.form->OpenLogbook(one);
  EXPECT_TRUE(action->isEnabled());
  w.form->OpenLogbook(test::WriteLogbook("none.log", test::BuildLogbook({})));
  EXPECT_FALSE(action->isEnabled());
  w.form->MergeLogbook(one);
  EXPECT_TRUE(action->isEnabled());
}

TEST(UddfExport, WritesEveryDiveOrSaysWhyNot) {
  test::TestWindow w;
  w.Start();
  const QString logbook = test::WriteLogbook(
      "season.log", test::BuildLogbook({test::EntryBuilder{}, test::EntryBuilder{}}));
  w.form->OpenLogbook(logbook);
  w.form->MergeLogbook(logbook);
  const QString target = w.folder.filePath("season");
  w.dialogs.saveAnswers = {target};
  ExportAction(w)->trigger();
  // The dialog starts at the logbook's name as .uddf; a name without extension gets it.
  EXPECT_EQ(w.dialogs.dialogFolders.last(), QFileInfo(logbook).absolutePath() + "/season.uddf");
  EXPECT_EQ(w.Status(), "4 dives exported to " + target + ".uddf.");
  EXPECT_EQ(test::UddfSchemaErrors((target + ".uddf").toStdString()), "");
  EXPECT_TRUE(w.messages.isEmpty());

  // Running as root, a read-only folder would still take the file: a folder that does not exist
  // and a path that is a folder stand in for a place the user cannot write to.
  QDir(w.folder.path()).mkdir("taken.uddf");
  for (const QString& unwritable :
       {w.folder.filePath("gone/dives.uddf"), w.folder.filePath("taken.uddf")}) {
    w.messages.clear();
    w.dialogs.saveAnswers = {unwritable};
    ExportAction(w)->trigger();
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_TRUE(w.messages[0].startsWith("The logbook cannot be exported to " + unwritable + ": "))
        << w.messages[0].toStdString();
    EXPECT_GT(w.messages[0].size(), 40 + unwritable.size());
    EXPECT_TRUE(w.Status().startsWith("4 dives exported to " + target));
  }
  EXPECT_FALSE(QFileInfo::exists(w.folder.filePath("gone")));
  w.messages.clear();
  ExportAction(w)->trigger();  // cancelled
  EXPECT_TRUE(w.messages.isEmpty());
}

}  // namespace
}  // namespace scrb
