// Runs one extraction of ARCHIVE into DEST and prints what it took.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "payload/zip_extractor.h"
#include "payload/zip_reader.h"

namespace {

struct ArchiveSize {
  uint32_t entries = 0;
  uint64_t uncompressedBytes = 0;
};

ArchiveSize measure(const char* archive) {
  ArchiveSize size;
  auto reader = payload::ZipReader::openArchive(archive);
  if (!reader) return size;
  payload::ZipEntryInfo entry;
  while (reader->getEntry(static_cast<int32_t>(size.entries), entry) == payload::zip_status::ok) {
    ++size.entries;
    size.uncompressedBytes += entry.uncompressedSize;
  }
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: extract-bench ARCHIVE DEST\n");
    return 2;
  }
  const ArchiveSize size = measure(argv[1]);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  // No window is loaded, so the extraction raises no events.
  const int32_t result = payload::ZipExtractor(0, 0).extract(argv[1], argv[2]);
  QueryPerformanceCounter(&end);
  const double milliseconds =
      static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("result %d\nentries %u\nuncompressed bytes %llu\nelapsed ms %.1f\nMB/s %.1f\n"
              "peak working set KiB %llu\n",
              result, size.entries, static_cast<unsigned long long>(size.uncompressedBytes),
              milliseconds,
              milliseconds > 0 ? size.uncompressedBytes / 1048576.0 / (milliseconds / 1000.0) : 0.0,
              static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
  return result == 1 ? 0 : 1;
}
