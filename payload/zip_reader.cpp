#include "payload/zip_reader.h"

#include <minizip/iowin32.h>

#include <cstring>
#include <vector>

#include "payload/entry_fields.h"
#include "payload/file_handle.h"

namespace payload {
namespace {

// Entry data flows through one block of this size from minizip to the file.
constexpr unsigned kBlockSize = 16384;

// The current entry opened for reading through minizip, which checks its local header against
// the central record; closed on every exit path.
class OpenEntry {
 public:
  explicit OpenEntry(unzFile zip) : zip_(unzOpenCurrentFile(zip) == UNZ_OK ? zip : nullptr) {}
  ~OpenEntry() { close(); }
  OpenEntry(const OpenEntry&) = delete;
  OpenEntry& operator=(const OpenEntry&) = delete;

  bool isOpen() const { return zip_ != nullptr; }
  // Closes the entry. Once all its data was read, minizip compares the CRC-32 here.
  bool close() {
    if (!zip_) return true;
    const bool clean = unzCloseCurrentFile(zip_) == UNZ_OK;
    zip_ = nullptr;
    return clean;
  }

 private:
  unzFile zip_;
};

// Streams the current entry's data into `file`; true only when every byte was read, inflated,
// written and checked against the entry's size and CRC-32.
bool writeCurrentEntry(unzFile zip, HANDLE file) {
  OpenEntry entry(zip);
  if (!entry.isOpen()) return false;
  uint8_t block[kBlockSize];
  uint64_t written = 0;
  for (;;) {
    const int got = unzReadCurrentFile(zip, block, kBlockSize);
    if (got < 0) return false;
    if (got == 0) break;
    DWORD done = 0;
    if (!WriteFile(file, block, static_cast<DWORD>(got), &done, nullptr) ||
        done != static_cast<DWORD>(got))
      return false;
    written += static_cast<unsigned>(got);
  }
  // A deflate stream that ends early leaves the CRC-32 unchecked by minizip; the size tells.
  unz_file_info64 info;
  if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
      written != info.uncompressed_size)
    return false;
  return entry.close();
}

}  // namespace

std::unique_ptr<ZipReader> ZipReader::openArchive(const char* path,
                                                  const zlib_filefunc64_def* io) {
  // The Win32 layer opens an archive read with read access, read sharing only and an existing
  // file required, so the archive cannot change while it is open.
  zlib_filefunc64_def files;
  if (io) files = *io;
  else fill_win32_filefunc64A(&files);
  unzFile zip = unzOpen2_64(path, &files);
  if (!zip) return nullptr;
  unz_global_info64 global;
  if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) {
    unzClose(zip);
    return nullptr;
  }
  return std::unique_ptr<ZipReader>(new ZipReader(zip, global.number_entry));
}

ZipReader::~ZipReader() { closeArchive(); }

void ZipReader::closeArchive() {
  if (zip_) unzClose(zip_);
  zip_ = nullptr;
}

int32_t ZipReader::getEntry(int32_t index, ZipEntryInfo& entry) {
  if (!zip_ || index < 0 || static_cast<uint64_t>(index) >= entryCount_)
    return zip_status::noSuchEntry;
  if (index == cachedIndex_) {
    entry = cached_;
    return zip_status::ok;
  }
  if (!moveCursorTo(index)) return zip_status::noSuchEntry;
  const int32_t status = describeCurrentEntry(index, entry);
  if (status == zip_status::ok) {
    cached_ = entry;
    cachedIndex_ = index;
  }
  return status;
}

// Only forward steps, except for a request behind the cursor, which starts over from the first
// record. A record that cannot be read ends the walk: it and every later entry are absent.
bool ZipReader::moveCursorTo(int32_t index) {
  if (index < cursor_) {
    cursorValid_ = unzGoToFirstFile(zip_) == UNZ_OK;
    cursor_ = 0;
  }
  while (cursorValid_ && cursor_ < index) {
    cursorValid_ = unzGoToNextFile(zip_) == UNZ_OK;
    ++cursor_;
  }
  return cursorValid_;
}

int32_t ZipReader::describeCurrentEntry(int32_t index, ZipEntryInfo& entry) {
  unz_file_info64 info;
  char name[sizeof entry.name];
  if (unzGetCurrentFileInfo64(zip_, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
    return zip_status::noSuchEntry;

  std::vector<uint8_t> localExtra;
  {
    OpenEntry open(zip_);
    if (!open.isOpen()) return zip_status::localHeaderMismatch;
    const int size = unzGetLocalExtrafield(zip_, nullptr, 0);
    if (size < 0) return zip_status::localExtraUnreadable;
    localExtra.resize(static_cast<std::size_t>(size));
    if (size > 0 && unzGetLocalExtrafield(zip_, localExtra.data(), static_cast<unsigned>(size)) != size)
      return zip_status::localExtraUnreadable;
  }

  entry = {};
  entry.index = index;
  const bool nameFits = info.size_filename < sizeof name &&
                        std::memchr(name, 0, info.size_filename) == nullptr;
  if (nameFits) std::memcpy(entry.name, name, info.size_filename + 1);
  entry.attributes = attributesFromExternal(static_cast<uint32_t>(info.external_fa));
  entry.compressedSize = static_cast<uint32_t>(info.compressed_size);
  entry.uncompressedSize = static_cast<uint32_t>(info.uncompressed_size);
  const FILETIME stamp = dosStampToFileTime(static_cast<uint32_t>(info.dosDate));
  EntryTimes times{stamp, stamp, stamp};
  applyUnixTimes(localExtra, times);
  entry.accessTime = times.access;
  entry.creationTime = times.creation;
  entry.writeTime = times.write;
  return zip_status::ok;
}

int32_t ZipReader::extractEntryToFile(int32_t index, const char* targetPath) {
  ZipEntryInfo entry;
  const int32_t status = getEntry(index, entry);
  if (status != zip_status::ok) return status;
  // A cache hit leaves the cursor where a later, failed request moved it.
  if (!moveCursorTo(index)) return zip_status::noSuchEntry;

  FileHandle file(CreateFileA(targetPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              entry.attributes, nullptr));
  if (!file.valid()) return zip_status::cannotCreateTarget;
  // A file that failed part-way keeps what was written and gets no times.
  const bool complete = writeCurrentEntry(zip_, file.get());
  if (complete && GetFileType(file.get()) == FILE_TYPE_DISK)
    SetFileTime(file.get(), &entry.creationTime, &entry.accessTime, &entry.writeTime);
  const bool closed = file.close();
  return complete && closed ? zip_status::ok : zip_status::dataError;
}

}  // namespace payload
