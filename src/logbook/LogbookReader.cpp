#include "logbook/LogbookReader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "logbook/CharTranslation.h"
#include "logbook/FilePath.h"
#include "logbook/MissingValues.h"
#include "logbook/Translation.h"

namespace scrb {
namespace {

constexpr int kFileHeaderBytes = 12;
// The longest entry the format can hold: five texts of 255 bytes and a profile of 32768.
constexpr size_t kMaxEntryBytes = 52 + 5 * 255 + 32768;
// Dates count days from 1 January 1600; the calendar ends with 31 December 9999.
constexpr std::chrono::sys_days kFirstDay{std::chrono::year{1600} / std::chrono::January / 1};
constexpr int64_t kLastDayCount =
    (std::chrono::sys_days{std::chrono::year{9999} / std::chrono::December / 31} - kFirstDay)
        .count();

std::string TwoDigits(int64_t v) {
  const bool negative = v < 0;
  const std::string digits = std::to_string(negative ? -v : v);
  std::string text = negative ? "-" : "";
  if (digits.size() < 2) text += '0';
  return text + digits;
}

}  // namespace

double AltitudePressure(int altitudeClass) {
  constexpr double kTable[] = {1.0, 1.0, 0.815, 0.725, 0.61, 0.5};
  if (altitudeClass < 0 || altitudeClass > 5) return kTable[5];
  return kTable[altitudeClass];
}

std::string_view ByteSource::ReadChars(size_t n) {
  const size_t available = bytes_.size() - std::min(position_, bytes_.size());
  if (n > available) overrun_ = true;
  const std::string_view chars =
      bytes_.substr(std::min(position_, bytes_.size()), std::min(n, available));
  position_ += n;
  return chars;
}

int ByteSource::ReadByte() {
  const std::string_view b = ReadChars(1);
  return b.empty() ? 0 : static_cast<unsigned char>(b[0]);
}

int ByteSource::ReadWord() {
  const int low = ReadByte();
  const int value = low + 256 * ReadByte();
  return value > 32768 ? value - 65536 : value;
}

std::string ByteSource::ReadTime() {
  const int v = ReadWord();
  if (IsUnknownMinutes(v)) return "Unknown";
  const int hours = v >= 0 ? v / 60 : -((-v + 59) / 60);
  return TwoDigits(hours) + ":" + TwoDigits(v % 60);
}

std::string ByteSource::ReadDate() {
  const int b0 = ReadByte();
  const int b1 = ReadByte();
  const int64_t dayCount = b0 + 256 * b1 + 65536 * static_cast<int64_t>(ReadByte());
  if (dayCount > kLastDayCount) {
    dateOutOfRange_ = true;
    return {};
  }
  const std::chrono::year_month_day date{kFirstDay + std::chrono::days{dayCount}};
  return TwoDigits(static_cast<unsigned>(date.day())) + "/" +
         TwoDigits(static_cast<unsigned>(date.month())) + "/" +
         std::to_string(static_cast<int>(date.year()));
}

namespace {

enum class EntryResult { Complete, Truncated, Damaged };

std::string CountedText(ByteSource& source, int32_t& length) {
  length = source.ReadByte();
  return CleanText(source.ReadChars(static_cast<size_t>(length)));
}

EntryResult ReadEntry(ByteSource& source, DiveRecord& dive) {
  dive.DiveHeader = source.ReadChars(2);
  dive.DiveDate = source.ReadDate();
  if (source.DateOutOfRange()) return EntryResult::Damaged;
  dive.TimeZone = source.ReadChars(1);
  dive.DiveTime = source.ReadTime();
  dive.Location = CountedText(source, dive.LocationLength);
  dive.Site = CountedText(source, dive.SiteLength);
  dive.AltitudeClass = source.ReadByte();
  dive.SurfacePressure = AltitudePressure(dive.AltitudeClass);
  dive.SurfaceInterval = source.ReadTime();
  dive.Weather = source.ReadByte();
  dive.AirTemperature = source.ReadWord() / 100.0;
  dive.Suit = source.ReadByte();
  dive.TankCapacity = source.ReadWord() / 100.0;
  dive.MaxDepth = source.ReadWord() / 100.0;
  dive.DivingTime = source.ReadTime();
  dive.WaterTemperature = source.ReadWord() / 100.0;
  dive.AirConsumption = source.ReadWord() / 100.0;
  dive.DiveType = source.ReadWord();
  dive.DiveActivity = source.ReadWord();
  dive.OtherActivities = CountedText(source, dive.OtherActivitiesLength);
  dive.Partners = CountedText(source, dive.PartnersLength);
  dive.Comment = CountedText(source, dive.CommentLength);
  dive.Alarms = source.ReadWord();
  dive.DiveNumber = source.ReadWord();
  dive.DiveFooter = source.ReadChars(12);
  dive.ProfileLength = source.ReadWord();
  if (source.Overrun()) return EntryResult::Truncated;
  if (dive.ProfileLength < 0) return EntryResult::Damaged;
  dive.ProfileData = source.ReadChars(static_cast<size_t>(dive.ProfileLength));
  return source.Overrun() ? EntryResult::Truncated : EntryResult::Complete;
}

}  // namespace

namespace {

// Parses entry after entry from a window onto the logbook: `window(offset, wanted)` gives the
// bytes from offset on, at least `wanted` of them unless the logbook ends first. No entry is
// longer than kMaxEntryBytes, so a window of that size always holds a whole entry.
template <typename Window>
ReadOutcome ParseEntries(Window& window, size_t sizeHint, std::vector<DiveRecord>& dives) {
  ReadOutcome outcome;
  ByteSource header(window(0, kFileHeaderBytes));
  header.ReadChars(6);
  const int count = header.ReadWord();
  header.ReadChars(4);
  outcome.DivesDeclared = count;
  if (header.Overrun() || count < 0) {
    outcome.Status = ReadStatus::Damaged;
    outcome.Reason = header.Overrun() ? Tr("Logbook", "the file is too short to be a logbook")
                                      : Tr("Logbook", "its dive count is negative");
    return outcome;
  }
  // A damaged count must not make us reserve memory for dives the bytes cannot hold.
  dives.reserve(dives.size() + std::min<size_t>(static_cast<size_t>(count), sizeHint / 52));
  size_t offset = kFileHeaderBytes;
  for (int i = 0; i < count; ++i) {
    ByteSource source(window(offset, kMaxEntryBytes));
    DiveRecord dive;
    const EntryResult result = ReadEntry(source, dive);
    if (result != EntryResult::Complete) {
      outcome.Status = ReadStatus::Damaged;
      outcome.StopOffset = offset;
      const bool cut = result == EntryResult::Truncated;
      // A file whose first entry fails is refused as no logbook; the count its header seems to
      // declare then means nothing (a text file "declares" thousands of dives) and is not told.
      const std::string byte = std::to_string(offset);
      outcome.Reason =
          i == 0 ? FillIn(cut ? Tr("Logbook", "the file ends inside its first entry (byte %1)")
                              : Tr("Logbook", "its first entry is damaged (byte %1)"),
                          {byte})
                 : FillIn(cut ? Tr("Logbook", "the file ends inside dive %1 of %2 (byte %3)")
                              : Tr("Logbook", "the file is damaged at dive %1 of %2 (byte %3)"),
                          {std::to_string(i + 1), std::to_string(count), byte});
      return outcome;
    }
    offset += source.Position();
    dives.push_back(std::move(dive));
    ++outcome.DivesRead;
  }
  return outcome;
}

// A window onto a file that reads it in chunks as the parse moves on, so that a huge file is
// never held in memory whole and reading stops where the logbook does.
class FileWindow {
 public:
  explicit FileWindow(std::FILE* file) : file_(file) {}

  std::string_view operator()(size_t offset, size_t wanted) {
    if (offset > base_ + kChunkBytes) Drop(offset);
    while (buffer_.size() < offset - base_ + wanted && !ended_) Fill(std::max(wanted, kChunkBytes));
    if (offset - base_ >= buffer_.size()) return {};
    return std::string_view(buffer_).substr(offset - base_);
  }

  int Error() const { return error_; }

 private:
  static constexpr size_t kChunkBytes = 1 << 20;

  void Drop(size_t offset) {
    const size_t drop = std::min(offset - base_, buffer_.size());
    buffer_.erase(0, drop);
    base_ += drop;
  }

  void Fill(size_t bytes) {
    const size_t old = buffer_.size();
    buffer_.resize(old + bytes);
    const size_t got = std::fread(buffer_.data() + old, 1, bytes, file_);
    buffer_.resize(old + got);
    if (got < bytes) {
      ended_ = true;
      if (std::ferror(file_)) error_ = errno != 0 ? errno : EIO;
    }
  }

  std::FILE* file_;
  std::string buffer_;
  size_t base_ = 0;  // file offset of buffer_[0]
  bool ended_ = false;
  int error_ = 0;
};

std::string ErrnoText(int error) {
  std::string text = std::strerror(error);
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

ReadOutcome Unreadable(std::string reason) {
  ReadOutcome outcome;
  outcome.Status = ReadStatus::Unreadable;
  outcome.Reason = std::move(reason);
  return outcome;
}

}  // namespace

ReadOutcome ParseLogbook(std::string_view bytes, std::vector<DiveRecord>& dives) {
  auto window = [bytes](size_t offset, size_t) {
    return offset < bytes.size() ? bytes.substr(offset) : std::string_view();
  };
  return ParseEntries(window, bytes.size(), dives);
}

ReadOutcome ReadLogbook(Logbook& book, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(PathFromUtf8(path), error))
    return Unreadable(Tr("Logbook", "it is a folder"));
  errno = 0;
  const FileHandle file = OpenForReading(path);
  if (!file) return Unreadable(ErrnoText(errno != 0 ? errno : ENOENT));
  const auto size = std::filesystem::file_size(PathFromUtf8(path), error);
  FileWindow window(file.get());
  // Dives are read into a store of their own first, so that a read error cannot leave half a
  // file behind in the book.
  std::vector<DiveRecord> dives;
  ReadOutcome outcome = ParseEntries(window, error ? 0 : static_cast<size_t>(size), dives);
  if (window.Error() != 0) {
    if (outcome.DivesRead == 0) return Unreadable(ErrnoText(window.Error()));
    outcome.Status = ReadStatus::Damaged;
    outcome.Reason = FillIn(Tr("Logbook", "reading stopped after dive %1: %2"),
                            {std::to_string(outcome.DivesRead), ErrnoText(window.Error())});
  }
  // A damaged file gives fewer dives than its count made room for; the store keeps no room spare.
  dives.shrink_to_fit();
  book.Dives.Append(std::move(dives));
  return outcome;
}

std::string DiveListEntry(const DiveRecord& dive, int displayOptionFlag) {
  const std::string number = std::to_string(dive.DiveNumber);
  std::string entry(number.size() < 5 ? 5 - number.size() : 0, ' ');
  entry += number;
  entry += " - ";
  switch (displayOptionFlag) {
    case 1:
      return entry + dive.Site;
    case 2:
      return entry + dive.Location + ", " + dive.Site;
    case 3:
      return entry + dive.Site + ", " + dive.Location;
    default:
      return entry + dive.Location;
  }
}

std::string StatusText(int diveCount, const ReadOutcome& outcome, const std::string& path) {
  std::string text = FillIn(Tr("Logbook", "%1 dives read."), {std::to_string(diveCount)});
  if (outcome.Status == ReadStatus::Damaged) {
    text += " " + FillIn(Tr("Logbook", "%1 is damaged: %2."),
                         {FileNameOf(path), outcome.Reason});
  }
  return text;
}

std::string UnreadableMessage(const std::string& path, const ReadOutcome& outcome) {
  return FillIn(Tr("Logbook", "The logbook file %1 cannot be read: %2."), {path, outcome.Reason});
}

bool HoldsNoReadableDive(const ReadOutcome& outcome) {
  return outcome.Status == ReadStatus::Damaged && outcome.DivesRead == 0;
}

std::string NoReadableDiveMessage(const std::string& path, const ReadOutcome& outcome) {
  return FillIn(Tr("Logbook",
                   "The file %1 holds no readable dive: it is not a logbook, or it is damaged "
                   "before its first dive (%2)."),
                {path, outcome.Reason});
}

std::string RefusalMessage(const std::string& path, const ReadOutcome& outcome) {
  if (outcome.Status == ReadStatus::Unreadable) return UnreadableMessage(path, outcome);
  if (HoldsNoReadableDive(outcome)) return NoReadableDiveMessage(path, outcome);
  return {};
}

std::string DamagedFileMessage(const std::string& path, const ReadOutcome& outcome) {
  return FillIn(outcome.DivesRead == 1
                    ? Tr("Logbook",
                         "The logbook file %1 is damaged: %2.\r\n\r\n%3 dive was read and can be "
                         "viewed. Nothing was written to the file.")
                    : Tr("Logbook",
                         "The logbook file %1 is damaged: %2.\r\n\r\n%3 dives were read and can be "
                         "viewed. Nothing was written to the file."),
                {path, outcome.Reason, std::to_string(outcome.DivesRead)});
}

}  // namespace scrb
