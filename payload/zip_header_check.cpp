#include "payload/zip_header_check.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace payload {

bool looksLikeZip(const char* path) {
  uint8_t head[32];
  {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
    if (!file || std::fread(head, 1, sizeof head, file.get()) != sizeof head) return false;
  }
  if (std::memcmp(head, "PK\x03\x04", 4) != 0) return false;
  const auto value = static_cast<int32_t>(static_cast<uint32_t>(head[24]) | head[25] << 8 |
                                          head[26] << 16 | static_cast<uint32_t>(head[27]) << 24);
  return value >= 1;
}

}  // namespace payload
