#include "render/SaveFile.h"

#include <QSaveFile>
#include <array>
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
  bool Drain() {
    const qint64 size = pptr() - pbase();
    if (size > 0 && device_.write(pbase(), size) != size) return false;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
  }

  QIODevice& device_;
  std::array<char, 1 << 16> buffer_{};
};

}  // namespace

QString SaveFile(const QString& path, const std::function<bool(std::ostream&)>& write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  DeviceBuffer buffer(file);
  std::ostream stream(&buffer);
  const bool written = write(stream) && stream.flush();
  if (!written) {
    const QString reason = file.error() != QFileDevice::NoError
                               ? file.errorString()
                               : QStringLiteral("the export failed");
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace scrb
