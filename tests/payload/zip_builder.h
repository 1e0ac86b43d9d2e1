#pragma once
// Small ZIP archives written byte by byte, so that a test can set every field it is about.
#include <cstdint>
#include <string>
#include <vector>

namespace payload_testing {

struct ZipEntrySpec {
  std::string name;  // bytes as stored
  std::string data;
  bool deflate = false;
  uint32_t externalAttributes = 0x20;
  uint16_t madeBy = 20;            // host system 0, version 2.0
  uint32_t dosStamp = 0x4B92872F;  // 2017-12-18 16:57:30
  std::string localExtra;
  std::string centralExtra;
  bool corruptCrc = false;         // a CRC-32 that does not match the data, in both headers
  bool corruptLocalMethod = false; // the local header names another method than the central
};

std::string buildZip(const std::vector<ZipEntrySpec>& entries);
bool writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

// A "UT" extra field with `flags` and the given times in that order.
std::string unixTimesField(uint8_t flags, const std::vector<int64_t>& seconds);
// An Info-ZIP Unicode Path field for a stored name.
std::string unicodePathField(const std::string& storedName, const std::string& utf8Name);

// A DOS stamp from calendar fields.
uint32_t dosStamp(int year, int month, int day, int hour, int minute, int second);

}  // namespace payload_testing
