#pragma once

#include <string>

// Bodies with which a hostile peer attacks its client.
namespace sim::HostileBodies {

// `data` gzip-encoded.
std::string gzipped(const std::string& data);
// About 250 KB of gzip that inflate to 256 MiB of zeros. Made on first use, then kept.
const std::string& gzipBomb();
// A valid JPEG of a few hundred bytes whose frame header claims 20000x20000 pixels.
const std::string& hugeJpeg();

} // namespace sim::HostileBodies
