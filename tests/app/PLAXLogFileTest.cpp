#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/state/PLAXLogFile.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

TEST(LogFile, AppendsAsGivenLineBreaksFirstReopensOnDemandResetDeletesAndFailuresReachTheCaller) {
  QTemporaryDir folder;
  PLAXLogFile().LogStringLNFlush("b");  // no name: ignored, not thrown

  const std::string path = test::WriteTempFile("run.log", "earlier");
  PLAXLogFile log;
  log.SetFileName(QString::fromStdString(path));
  log.LogString(QString::fromUtf8(" 12.5 m\n\u00e9\t"));
  log.LogClose();
  log.LogStringLN("a");  // reopens
  log.LogStringLNFlush("b");
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(test::ReadFile(path), "earlier 12.5 m\n\xC3\xA9\t\r\na\r\nb");
  log.LogReset();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));

  EXPECT_THROW(log.SetFileName(folder.filePath("no/such/folder/run.log")), LogFileError);
  EXPECT_THROW(log.LogString("x"), LogFileError);
}

}  // namespace
}  // namespace scrb
