#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/PLAXLogFile.h"

namespace scrb {
namespace {

TEST(LogFile, AppendsAsGivenLineBreaksFirstReopensOnDemandResetDeletesAndFailuresReachTheCaller) {
  QTemporaryDir folder;
  PLAXLogFile unnamed;  // no name: every write is ignored
  unnamed.LogStringLNFlush("b");
  EXPECT_TRUE(QDir(folder.path()).isEmpty());

  QFile file(folder.filePath("run.log"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("earlier");
  file.close();
  PLAXLogFile log;
  log.SetFileName(file.fileName());
  log.LogString(QString::fromUtf8(" 12.5 m\n\u00e9\t"));
  log.LogClose();
  log.LogStringLN("a");  // reopens
  log.LogStringLNFlush("b");
  EXPECT_FALSE(log.IsOpen());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("earlier 12.5 m\n\xC3\xA9\t\r\na\r\nb"));
  file.close();
  log.LogReset();
  EXPECT_FALSE(file.exists());

  EXPECT_THROW(log.SetFileName(folder.filePath("no/such/folder/run.log")), LogFileError);
  EXPECT_THROW(log.LogString("x"), LogFileError);
}

}  // namespace
}  // namespace scrb
