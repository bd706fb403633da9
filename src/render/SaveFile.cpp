#include "render/SaveFile.h"

#include <QSaveFile>
#include <array>
#include <csignal>
#include <ostream>
#include <streambuf>

namespace scrb {
namespace {

// A stream buffer that hands its bytes to a Qt device, so the core's writers stream into a
// QSaveFile without the whole export held in memory.
class DeviceBuffer : public std::streambuf {
 public:
  explicit DeviceBuffer(QIODevice& device) : device_(device) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  // A short write is tried again for the rest: only a write that fails outright carries the
  // system's reason (a full disk, a file size limit) in the device's error.
  bool Drain() {
    const char* data = pbase();
    qint64 left = pptr() - pbase();
    while (left > 0) {
      const qint64 written = device_.write(data, left);
      if (written <= 0) return false;
      data += written;
      left -= written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
  }

  QIODevice& device_;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace

QString SaveFileThrough(const QString& path, const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  // Flushed here rather than in commit: QSaveFile commits a file whose last buffered bytes could
  // not be written, so a small file cut short by a full disk would take the target's place. A
  // flush that wrote only part stops without a reason; flushing the rest meets the system's.
  const auto flushed = [&file] {
    if (file.flush()) return true;
    file.unsetError();
    return file.flush();
  };
  if (!write(file) || !flushed()) {
    // Taken before cancelling, which puts its own text in place of the system's.
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : QStringLiteral("the file could not be written");
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

QString SaveFile(const QString& path, const std::function<bool(std::ostream&)>& write) {
  return SaveFileThrough(path, [&write](QIODevice& device) {
    DeviceBuffer buffer(device);
    std::ostream stream(&buffer);
    return write(stream) && stream.flush();
  });
}

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif  // Windows has no file size limit that kills a process.
}

}  // namespace scrb
