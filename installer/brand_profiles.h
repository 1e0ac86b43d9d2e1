#pragma once
// The brand editions of the product line: each groups its products under a folder of its own.

namespace installer {

struct BrandProfile {
  int key;
  const char* directory;  // ends in a backslash
  const char* catalogue;  // product names separated by "|"
};

// The row whose key is exactly `key`, or null.
const BrandProfile* findBrandProfile(int key);

}  // namespace installer
