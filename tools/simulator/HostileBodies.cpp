#include "HostileBodies.h"

#include <QBuffer>
#include <QImage>

#define ZLIB_CONST
#include <zlib.h>

namespace sim::HostileBodies {

namespace {

constexpr int claimedSide = 20000;

// Feeds `input` through `stream` and returns what comes out.
std::string deflated(z_stream& stream, const std::string& input, int flush)
{
    stream.next_in = reinterpret_cast<const Bytef*>(input.data());
    stream.avail_in = static_cast<uInt>(input.size());
    std::string result;
    char output[64 * 1024];
    do {
        stream.next_out = reinterpret_cast<Bytef*>(output);
        stream.avail_out = sizeof output;
        deflate(&stream, flush);
        result.append(output, sizeof output - stream.avail_out);
    } while (stream.avail_out == 0);
    return result;
}

std::string littleEndian(uLong value)
{
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

// Deflating 256 MiB takes seconds, long enough for the waiting client's connection to time out.
// One MiB deflated from an empty window up to a full flush needs nothing before it, so 256 copies
// of it in one gzip member inflate to the same 256 MiB, made in milliseconds.
std::string gzipBombOf()
{
    constexpr int copies = 256;
    const std::string zeros(1024 * 1024, '\0');
    z_stream stream {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15 /* raw, no wrapper */, 9, Z_DEFAULT_STRATEGY);
    const std::string piece = deflated(stream, zeros, Z_FULL_FLUSH);
    const std::string last = deflated(stream, {}, Z_FINISH);
    deflateEnd(&stream);

    // The gzip header: deflate, no flags, no time, from Unix.
    std::string bomb("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x03", 10);
    const uLong pieceCrc = crc32(0, reinterpret_cast<const Bytef*>(zeros.data()), zeros.size());
    uLong crc = crc32(0, nullptr, 0);
    for (int copy = 0; copy < copies; ++copy) {
        bomb += piece;
        crc = crc32_combine(crc, pieceCrc, static_cast<z_off_t>(zeros.size()));
    }
    return bomb + last + littleEndian(crc) + littleEndian(copies * zeros.size());
}

std::string hugeJpegOf()
{
    QImage image(16, 16, QImage::Format_Grayscale8);
    image.fill(Qt::gray);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 10);
    // The baseline frame header: marker, length (2), precision (1), height (2), width (2).
    const int frame = jpeg.indexOf("\xFF\xC0");
    for (const int field : { frame + 5, frame + 7 }) {
        jpeg[field] = static_cast<char>(claimedSide >> 8);
        jpeg[field + 1] = static_cast<char>(claimedSide & 0xFF);
    }
    return jpeg.toStdString();
}

} // namespace

std::string gzipped(const std::string& data)
{
    z_stream stream {};
    // 16 above the window bits asks for the gzip wrapper instead of zlib's.
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    const std::string result = deflated(stream, data, Z_FINISH);
    deflateEnd(&stream);
    return result;
}

const std::string& gzipBomb()
{
    static const std::string bomb = gzipBombOf();
    return bomb;
}

const std::string& hugeJpeg()
{
    static const std::string jpeg = hugeJpegOf();
    return jpeg;
}

} // namespace sim::HostileBodies
