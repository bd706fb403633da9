#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logbook/Logbook.h"

namespace scrb {

// Ambient pressure in bar for an altitude class. Class 5 ("Higher than 4000m") gets 0.5 bar,
// the pressure at about 5500 m, in the middle of what divers reach above 4000 m; codes beyond the
// table are shown as that class and get the same pressure.
double AltitudePressure(int altitudeClass);

// Consumes the bytes of a logbook held in memory. Reads past the end yield what is left and mark
// the source as overrun, so a parse can tell a complete field from a cut one.
class ByteSource {
 public:
  explicit ByteSource(std::string_view bytes) : bytes_(bytes) {}
  // The source only views its bytes; a temporary would be gone before the first read.
  explicit ByteSource(std::string&&) = delete;

  std::string_view ReadChars(size_t n);
  int ReadByte();
  // Little-endian word; values above 32768 lose 65536.
  int ReadWord();
  // A word of minutes as "hh:mm"; "Unknown" for the missing-value mark.
  std::string ReadTime();
  // Three bytes of day count since 1 January 1600 as "dd/mm/yyyy"; sets DateOutOfRange() when
  // the day lies beyond 31 December 9999.
  std::string ReadDate();

  size_t Position() const { return position_; }
  bool Overrun() const { return overrun_; }
  bool DateOutOfRange() const { return dateOutOfRange_; }

 private:
  std::string_view bytes_;
  size_t position_ = 0;
  bool overrun_ = false;
  bool dateOutOfRange_ = false;
};

enum class ReadStatus { Ok, Unreadable, Damaged };

// What a read did: how many dives it added and, when it stopped early, where and why.
struct ReadOutcome {
  ReadStatus Status = ReadStatus::Ok;
  int DivesRead = 0;
  int DivesDeclared = 0;
  size_t StopOffset = 0;  // byte of the file where the unusable entry starts
  std::string Reason;     // why the file could not be read or where it is damaged
};

// Appends every completely read dive of a logbook held in memory. A dive that is cut off or
// carries impossible values ends the parse and is not kept.
ReadOutcome ParseLogbook(std::string_view bytes, std::vector<DiveRecord>& dives);

// Reads the file in one pass and appends its dives to the store. An unreadable file changes
// nothing.
ReadOutcome ReadLogbook(Logbook& book, const std::string& path);

// The dive list entry: the dive number right-aligned in five places, " - ", then the texts the
// display option asks for.
std::string DiveListEntry(const DiveRecord& dive, int displayOptionFlag);

// The status line after a read: "12 dives read." and, for a damaged file, which file it is and
// what happened.
std::string StatusText(int diveCount, const ReadOutcome& outcome, const std::string& path);

// The message for a file the user chose that cannot be read.
std::string UnreadableMessage(const std::string& path, const ReadOutcome& outcome);

// A file that gives not one complete dive although it should hold some is no logbook, or one
// damaged before its first dive. It is refused as an unreadable file is: taking it in would
// replace the logbook on screen with nothing.
bool HoldsNoReadableDive(const ReadOutcome& outcome);
std::string NoReadableDiveMessage(const std::string& path, const ReadOutcome& outcome);

// Why a chosen file is refused (it cannot be read, or it holds no readable dive); empty when its
// dives can be taken in.
std::string RefusalMessage(const std::string& path, const ReadOutcome& outcome);

// The notice for a logbook that gave some dives and then stopped: how many were read, where
// the file is damaged, and that the file was left as it is.
std::string DamagedFileMessage(const std::string& path, const ReadOutcome& outcome);

}  // namespace scrb
