#pragma once
// The archive entry reader over minizip: opens an archive file, describes its entries by index
// and writes one entry's data into a file with the entry's attributes and times.
#include <minizip/unzip.h>

#include <cstdint>
#include <memory>

#include "payload/zip_entry_info.h"

namespace payload {

class ZipReader {
 public:
  // Opens an existing archive file for reading, shared for reading only, through minizip's
  // Win32 file layer (or `io`, which tests use to watch the reads). Null when the file cannot
  // be opened or its end-of-central-directory record is missing or inconsistent.
  static std::unique_ptr<ZipReader> openArchive(const char* path,
                                                const zlib_filefunc64_def* io = nullptr);
  ~ZipReader();
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;

  // Describes entry `index` (from 0). Asking again for the entry just described reads nothing.
  int32_t getEntry(int32_t index, ZipEntryInfo& entry);

  // Writes the data of file entry `index` into `targetPath`, created (or replaced) with the
  // entry's attributes; the entry's times are set once the data is complete and checked.
  int32_t extractEntryToFile(int32_t index, const char* targetPath);

  // Closes the archive and its file; the reader is then empty.
  void closeArchive();

 private:
  ZipReader(unzFile zip, uint64_t entryCount) : zip_(zip), entryCount_(entryCount) {}
  bool moveCursorTo(int32_t index);
  int32_t describeCurrentEntry(int32_t index, ZipEntryInfo& entry);

  unzFile zip_;
  uint64_t entryCount_;
  // minizip's position in the central directory, and whether the record there could be read.
  int32_t cursor_ = 0;
  bool cursorValid_ = true;
  int32_t cachedIndex_ = -1;
  ZipEntryInfo cached_{};
};

}  // namespace payload
