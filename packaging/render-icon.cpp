// Renders the SVG icon at build time, so that no binary picture is kept in the repository:
//   render-icon ICON.svg SIZE OUT.png            one square PNG
//   render-icon ICON.svg SIZE,SIZE,... OUT.ico   a Windows icon holding each size

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray RenderPng(QSvgRenderer& renderer, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

template <typename T>
void Put(QByteArray& out, T value) {
  const T little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An .ico file whose images are PNGs, as Windows reads them since Vista: a header, one directory
// entry per image, then the images.
QByteArray IconFile(const std::vector<std::pair<int, QByteArray>>& images) {
  QByteArray out;
  Put<quint16>(out, 0);
  Put<quint16>(out, 1);
  Put<quint16>(out, static_cast<quint16>(images.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (const auto& [size, png] : images) {
    out.append(static_cast<char>(size >= 256 ? 0 : size));  // 0 means 256
    out.append(static_cast<char>(size >= 256 ? 0 : size));
    out.append('\0');  // no palette
    out.append('\0');
    Put<quint16>(out, 1);   // colour planes
    Put<quint16>(out, 32);  // bits per pixel
    Put<quint32>(out, static_cast<quint32>(png.size()));
    Put<quint32>(out, offset);
    offset += static_cast<quint32>(png.size());
  }
  for (const auto& image : images) out.append(image.second);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Usage: render-icon ICON.svg SIZE OUT.png | render-icon ICON.svg SIZE,... OUT.ico\n",
               stderr);
    return 1;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  std::vector<std::pair<int, QByteArray>> images;
  for (const QString& text : QString::fromLocal8Bit(argv[2]).split(',')) {
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!renderer.isValid() || !ok || size < 1 || size > 4096) {
      std::fprintf(stderr, "render-icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
      return 1;
    }
    images.emplace_back(size, RenderPng(renderer, size));
  }
  const QString outPath = QString::fromLocal8Bit(argv[3]);
  const bool icon = outPath.endsWith(".ico", Qt::CaseInsensitive);
  const bool tooLarge =
      std::any_of(images.begin(), images.end(), [](const auto& image) { return image.first > 256; });
  if ((icon && tooLarge) || (!icon && images.size() != 1)) {
    std::fputs("render-icon: a PNG takes one size, an icon sizes up to 256\n", stderr);
    return 1;
  }
  QFile out(outPath);
  const QByteArray bytes = icon ? IconFile(images) : images.front().second;
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "render-icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
