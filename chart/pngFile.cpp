#include "chart/pngFile.h"

#include <QImage>
#include <QtEndian>
#include <zlib.h>

namespace {

void AppendNumber(QByteArray &bytes, quint32 n)
{
  const quint32 big = qToBigEndian(n);
  bytes.append(reinterpret_cast<const char *>(&big), sizeof big);
}

// A chunk: its length, its type and data, and their check sum.
void AppendChunk(QByteArray &file, const char *type, const QByteArray &data)
{
  AppendNumber(file, quint32(data.size()));
  const qsizetype start = file.size();
  file.append(type, 4);
  file.append(data);
  AppendNumber(file, quint32(crc32(0, reinterpret_cast<const Bytef *>(file.constData() + start),
                                   uInt(file.size() - start))));
}

// The rows, each after its filter byte (none), as one zlib stream.
bool Deflated(const QImage &image, QByteArray *out)
{
  z_stream z{};
  if (deflateInit(&z, Z_BEST_SPEED) != Z_OK)
    return false;
  const uInt rowBytes = uInt(image.width()) * 3;
  const Bytef none = 0;
  char buffer[1 << 16];
  bool ok = true;
  auto feed = [&](const Bytef *data, uInt size, int flush) {
    z.next_in = const_cast<Bytef *>(data);
    z.avail_in = size;
    do {
      z.next_out = reinterpret_cast<Bytef *>(buffer);
      z.avail_out = sizeof buffer;
      const int result = deflate(&z, flush);
      if (result == Z_STREAM_ERROR) {
        ok = false;
        return;
      }
      out->append(buffer, qsizetype(sizeof buffer - z.avail_out));
    } while (z.avail_out == 0);
  };
  for (int y = 0; y < image.height() && ok; ++y) {
    feed(&none, 1, Z_NO_FLUSH);
    feed(image.constScanLine(y), rowBytes, Z_NO_FLUSH);
  }
  if (ok)
    feed(nullptr, 0, Z_FINISH);
  deflateEnd(&z);
  return ok;
}

}  // namespace

QByteArray FastPngBytes(const QImage &source, int dotsPerInch)
{
  if (source.isNull())
    return QByteArray();
  const QImage image = source.format() == QImage::Format_RGB888 ? source
                                                               : source.convertToFormat(QImage::Format_RGB888);
  QByteArray header;
  AppendNumber(header, quint32(image.width()));
  AppendNumber(header, quint32(image.height()));
  header.append("\x08\x02\x00\x00\x00", 5);   // 8 bits, RGB, deflate, no filter choice, no interlace
  QByteArray physical;
  const quint32 perMetre = quint32(qRound(dotsPerInch / 0.0254));
  AppendNumber(physical, perMetre);
  AppendNumber(physical, perMetre);
  physical.append('\x01');   // in metres
  QByteArray data;
  if (!Deflated(image, &data))
    return QByteArray();

  QByteArray file("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(file, "IHDR", header);
  AppendChunk(file, "pHYs", physical);
  AppendChunk(file, "IDAT", data);
  AppendChunk(file, "IEND", QByteArray());
  return file;
}
