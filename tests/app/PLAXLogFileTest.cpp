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

TEST_F(LogFileTest, WritesAsGivenLineBreaksFirstAndReopensOnDemand) {
  PLAXLogFile unnamed;  // no name: every write is ignored
  unnamed.LogString("a");
  unnamed.LogStringLNFlush("b");
  unnamed.LogReset();
  EXPECT_FALSE(unnamed.IsOpen());
  EXPECT_TRUE(QDir(folder.path()).isEmpty());

  PLAXLogFile log;
  log.SetFileName(Path("run.log"));
  EXPECT_TRUE(log.IsOpen());
  log.LogString(QString::fromUtf8("Tiefe 12.5 m\n\u00e9\t"));
  log.LogClose();
  log.LogStringLN("a");  // reopens
  log.SetFileName(Path("run.log"));  // the same name keeps the file open
  EXPECT_TRUE(log.IsOpen());
  log.LogStringLNFlush("b");
  EXPECT_FALSE(log.IsOpen());
  log.SetFileName(Path("other.log"));
  log.LogStringFlush("2");
  EXPECT_EQ(Contents(Path("run.log")), QByteArray("Tiefe 12.5 m\n\xC3\xA9\t\r\na\r\nb"));
  EXPECT_EQ(Contents(Path("other.log")), QByteArray("2"));
}

TEST_F(LogFileTest, AppendsToWhatEarlierRunsWrote) {
  {
    QFile earlier(Path("run.log"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  PLAXLogFile first;
  first.SetFileName(Path("run.log"));
  first.LogStringFlush(" first");
  PLAXLogFile second;
  second.SetFileName(Path("run.log"));
  second.LogStringLN("second");
  second.LogClose();
  EXPECT_EQ(Contents(Path("run.log")), QByteArray("earlier first\r\nsecond"));
}

TEST_F(LogFileTest, ResetDeletesAndAMissingFileIsNoError) {
  PLAXLogFile log;
  log.SetFileName(Path("run.log"));
  log.LogString("x");
  log.LogReset();
  EXPECT_FALSE(log.IsOpen());
  EXPECT_FALSE(QFileInfo::exists(Path("run.log")));
  EXPECT_NO_THROW(log.LogReset());
  log.LogString("y");  // the next write starts a new file
  log.LogClose();
  EXPECT_EQ(Contents(Path("run.log")), QByteArray("y"));
}

TEST_F(LogFileTest, FailureToOpenReachesTheCaller) {
  PLAXLogFile log;
  const QString inMissingFolder = Path("no/such/folder/run.log");
  try {
    log.SetFileName(inMissingFolder);
    FAIL() << "no error";
  } catch (const LogFileError& error) {
    EXPECT_NE(std::string(error.what()).find("run.log"), std::string::npos);
  }
  EXPECT_EQ(log.FileName(), inMissingFolder);
  EXPECT_FALSE(log.IsOpen());
  EXPECT_THROW(log.LogString("x"), LogFileError);
  EXPECT_THROW(log.SetFileName(folder.path()), LogFileError);  // a folder is not a file
}

}  // namespace
}  // namespace scrb
