#include "tests/payload/zip_builder.h"

#include <zlib.h>

#include <fstream>
#include <sstream>

namespace payload_testing {
namespace {

void put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

std::string rawDeflate(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

uint32_t crcOf(const std::string& bytes) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

}  // namespace

std::string buildZip(const std::vector<ZipEntrySpec>& entries) {
  std::string local, central;
  for (const ZipEntrySpec& entry : entries) {
    const std::string packed = entry.deflate ? rawDeflate(entry.data) : entry.data;
    const uint16_t method = entry.deflate ? 8 : 0;
    const uint32_t crc = crcOf(entry.data) ^ (entry.corruptCrc ? 0x5A5A5A5Au : 0u);
    const uint32_t offset = static_cast<uint32_t>(local.size());
    auto common = [&](std::string& out, uint16_t storedMethod, const std::string& extra) {
      put16(out, 20);  // version needed
      put16(out, 0);   // flags
      put16(out, storedMethod);
      put32(out, entry.dosStamp);  // time in the low half, date in the high half
      put32(out, crc);
      put32(out, static_cast<uint32_t>(packed.size()));
      put32(out, static_cast<uint32_t>(entry.data.size()));
      put16(out, static_cast<uint32_t>(entry.name.size()));
      put16(out, static_cast<uint32_t>(extra.size()));
    };
    put32(local, 0x04034B50);
    common(local, entry.corruptLocalMethod ? 12 : method, entry.localExtra);
    local += entry.name + entry.localExtra + packed;

    put32(central, 0x02014B50);
    put16(central, entry.madeBy);
    common(central, method, entry.centralExtra);
    put16(central, 0);  // comment
    put16(central, 0);  // disk
    put16(central, 0);  // internal attributes
    put32(central, entry.externalAttributes);
    put32(central, offset);
    central += entry.name + entry.centralExtra;
  }
  std::string end;
  put32(end, 0x06054B50);
  put16(end, 0);
  put16(end, 0);
  put16(end, static_cast<uint32_t>(entries.size()));
  put16(end, static_cast<uint32_t>(entries.size()));
  put32(end, static_cast<uint32_t>(central.size()));
  put32(end, static_cast<uint32_t>(local.size()));
  put16(end, 0);
  return local + central + end;
}

bool writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string unixTimesField(uint8_t flags, const std::vector<int64_t>& seconds) {
  std::string field = "UT";
  put16(field, static_cast<uint32_t>(1 + 4 * seconds.size()));
  field += static_cast<char>(flags);
  for (int64_t s : seconds) put32(field, static_cast<uint32_t>(s));
  return field;
}

std::string unicodePathField(const std::string& storedName, const std::string& utf8Name) {
  std::string field;
  put16(field, 0x7075);
  put16(field, static_cast<uint32_t>(5 + utf8Name.size()));
  field += '\1';
  put32(field, crcOf(storedName));
  return field + utf8Name;
}

uint32_t dosStamp(int year, int month, int day, int hour, int minute, int second) {
  const uint32_t date = static_cast<uint32_t>((year - 1980) << 9 | month << 5 | day);
  const uint32_t time = static_cast<uint32_t>(hour << 11 | minute << 5 | second / 2);
  return date << 16 | time;
}

}  // namespace payload_testing
