#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/PLAXLogFile.h"

namespace scrb {
namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

class LogFileTest : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString Path(const char* name) const { return folder.filePath(name); }
};

TEST_F(LogFileTest, AppendsAsGivenLineBreaksFirstReopensOnDemandAndResetDeletes) {
  PLAXLogFile unnamed;  // no name: every write is ignored
  unnamed.LogStringLNFlush("b");
  EXPECT_TRUE(QDir(folder.path()).isEmpty());

  {
    QFile earlier(Path("run.log"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  PLAXLogFile log;
  log.SetFileName(Path("run.log"));
  log.LogString(QString::fromUtf8(" 12.5 m\n\u00e9\t"));
  log.LogClose();
  log.LogStringLN("a");  // reopens
  log.SetFileName(Path("run.log"));  // the same name keeps the file open
  log.LogStringLNFlush("b");
  EXPECT_FALSE(log.IsOpen());
  EXPECT_EQ(Contents(Path("run.log")), QByteArray("earlier 12.5 m\n\xC3\xA9\t\r\na\r\nb"));

  log.LogReset();
  EXPECT_FALSE(QFileInfo::exists(Path("run.log")));
  EXPECT_NO_THROW(log.LogReset());  // nothing left to delete
}

TEST_F(LogFileTest, FailureToOpenReachesTheCaller) {
  PLAXLogFile log;
  try {
    log.SetFileName(Path("no/such/folder/run.log"));
    FAIL() << "no error";
  } catch (const LogFileError& error) {
    EXPECT_NE(std::string(error.what()).find("run.log"), std::string::npos);
  }
  EXPECT_THROW(log.LogString("x"), LogFileError);
}

}  // namespace
}  // namespace scrb
