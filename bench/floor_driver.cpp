// The platform floor of each per-file command: the same Win32 file calls that
// the command needs, in a bare loop, with no window, no program code and no
// checks of its own. Run beside the real command, on an identical copy of the
// data, under the same Wine, it shows what the platform alone costs.
//
//   floor_driver backup <folder> <archive>      every file of <folder> into one archive
//   floor_driver restore <archive> <folder>     every item of the archive into <folder>
//   floor_driver safe-backup, safe-restore      the same with the calls that keep a file
//                                               whole after a cut: each file written
//                                               beside its target, flushed, and put in
//                                               its place in one move
//   floor_driver <rename> <folder>              every file of <folder>, in list order
//     <rename>: upper, lower (two moves through a temporary name), substitute
//     (photo -> picture), enumerate (NewFile0000.jpg, ...), delete
//   floor_driver reclaim                        touches and frees 768 MiB (see
//                                               archive_bench_driver), times nothing
//
// Prints the seconds of the loop alone; the names are listed (as the main
// window has them) before the clock starts. The archive written by backup
// has the .Backup layout, so restore can read it back and the bench can
// compare it byte for byte with the program's own.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kCopyBufferSize = 64 * 1024;
constexpr DWORD kFolderFieldSize = 1024;
constexpr DWORD kNameFieldSize = 512;
constexpr DWORD kHeaderSize = 8 + 4 + kFolderFieldSize;
constexpr DWORD kItemHeaderSize = 4 + kNameFieldSize;

[[noreturn]] void Die(const char* what) {
  std::fprintf(stderr, "floor_driver: %s failed (error %lu)\n", what, GetLastError());
  std::exit(1);
}

// The names of the files of the current folder, in the list box's order.
std::vector<std::string> ListedNames() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA("*", &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  return names;
}

void WriteAll(HANDLE file, const void* data, DWORD size) {
  DWORD written = 0;
  if (!WriteFile(file, data, size, &written, nullptr) || written != size) Die("WriteFile");
}

DWORD ReadAll(HANDLE file, void* data, DWORD size) {
  DWORD read = 0;
  if (!ReadFile(file, data, size, &read, nullptr)) Die("ReadFile");
  return read;
}

// Copies size bytes from one open file to another through the buffer.
void Copy(HANDLE from, HANDLE to, std::uint64_t size, std::vector<char>& buffer) {
  while (size > 0) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::uint64_t>(size, buffer.size()));
    if (ReadAll(from, buffer.data(), chunk) != chunk) Die("ReadFile (short)");
    WriteAll(to, buffer.data(), chunk);
    size -= chunk;
  }
}

std::vector<char> Header(const std::string& folder, std::uint32_t count) {
  std::vector<char> header(kHeaderSize, 0);
  std::memcpy(header.data(), "BACKUP\0\1", 8);
  std::memcpy(header.data() + 8, &count, 4);
  std::memcpy(header.data() + 12, folder.data(), std::min<std::size_t>(folder.size(), kFolderFieldSize - 1));
  return header;
}

// Where a safe write puts its content until the move that replaces the target.
std::string Beside(const std::string& target) { return target + ".~floornew.tmp"; }

// A file written so that a cut never leaves another one lost: a new one in
// its place, one that would replace another beside it.
struct SafeTarget {
  HANDLE file = INVALID_HANDLE_VALUE;
  bool beside = false;
};

HANDLE CreateForWriting(const std::string& path, DWORD disposition) {
  return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

SafeTarget CreateTarget(const std::string& target, bool safe) {
  if (!safe) return {CreateForWriting(target, CREATE_ALWAYS), false};
  const HANDLE file = CreateForWriting(target, CREATE_NEW);
  if (file != INVALID_HANDLE_VALUE) return {file, false};
  return {CreateForWriting(Beside(target), CREATE_ALWAYS), true};
}

// Closes the file; a safe one is flushed first, and one written beside its
// target then takes its place in one move.
void CloseTarget(const SafeTarget& written, const std::string& target, bool safe) {
  if (safe && !FlushFileBuffers(written.file)) Die("FlushFileBuffers");
  CloseHandle(written.file);
  if (written.beside && !MoveFileExA(Beside(target).c_str(), target.c_str(),
                                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    Die("MoveFileExA");
}

void Backup(const std::vector<std::string>& names, const std::string& archivePath, bool safe) {
  char folder[MAX_PATH];
  GetCurrentDirectoryA(sizeof folder, folder);
  std::string prefix = folder;
  if (prefix.back() != '\\') prefix += '\\';
  std::vector<char> buffer(kCopyBufferSize);

  const SafeTarget written = CreateTarget(archivePath, safe);
  const HANDLE archive = written.file;
  if (archive == INVALID_HANDLE_VALUE) Die("CreateFileA (archive)");
  WriteAll(archive, Header(prefix, 0).data(), kHeaderSize);
  std::uint32_t stored = 0;
  for (const std::string& name : names) {
    HANDLE source = CreateFileA((prefix + name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE) Die("CreateFileA (source)");
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(source, &size)) Die("GetFileSizeEx");
    char itemHeader[kItemHeaderSize] = {};
    const auto dataSize = static_cast<std::uint32_t>(size.QuadPart);
    std::memcpy(itemHeader, &dataSize, 4);
    std::memcpy(itemHeader + 4, name.data(), std::min<std::size_t>(name.size(), kNameFieldSize - 1));
    WriteAll(archive, itemHeader, kItemHeaderSize);
    Copy(source, archive, dataSize, buffer);
    CloseHandle(source);
    ++stored;
  }
  SetFilePointer(archive, 0, nullptr, FILE_BEGIN);
  WriteAll(archive, Header(prefix, stored).data(), kHeaderSize);
  CloseTarget(written, archivePath, safe);
}

void Restore(const std::string& archivePath, bool safe) {
  std::vector<char> buffer(kCopyBufferSize);
  HANDLE archive = CreateFileA(archivePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (archive == INVALID_HANDLE_VALUE) Die("CreateFileA (archive)");
  std::vector<char> header(kHeaderSize);
  if (ReadAll(archive, header.data(), kHeaderSize) != kHeaderSize) Die("ReadFile (header)");
  std::uint32_t count = 0;
  std::memcpy(&count, header.data() + 8, 4);
  for (std::uint32_t i = 0; i < count; ++i) {
    char itemHeader[kItemHeaderSize];
    if (ReadAll(archive, itemHeader, kItemHeaderSize) != kItemHeaderSize) Die("ReadFile (item)");
    std::uint32_t dataSize = 0;
    std::memcpy(&dataSize, itemHeader, 4);
    itemHeader[kItemHeaderSize - 1] = 0;
    const std::string name = itemHeader + 4;
    const SafeTarget written = CreateTarget(name, safe);
    if (written.file == INVALID_HANDLE_VALUE) Die("CreateFileA (target)");
    Copy(archive, written.file, dataSize, buffer);
    CloseTarget(written, name, safe);
  }
  CloseHandle(archive);
}

// The probe every renaming command makes before it changes a file.
void Probe(const std::string& name) {
  HANDLE file =
      CreateFileA(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Die("CreateFileA (probe)");
  CloseHandle(file);
}

void Move(const std::string& from, const std::string& to) {
  if (!MoveFileA(from.c_str(), to.c_str())) Die("MoveFileA");
}

// A change of case only: a direct move is reported as done but keeps the old
// spelling here, so the file goes through a temporary name.
void ChangeCase(const std::string& name, bool upper) {
  std::string changed = name;
  if (upper)
    CharUpperA(changed.data());
  else
    CharLowerA(changed.data());
  Probe(name);
  Move(name, "~floor.tmp");
  Move("~floor.tmp", changed);
}

void RenameAll(const std::vector<std::string>& names, const std::string& operation) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    if (operation == "upper" || operation == "lower") {
      ChangeCase(name, operation == "upper");
    } else if (operation == "substitute") {
      std::string lowered = name;
      CharLowerA(lowered.data());
      const std::size_t at = lowered.find("photo");
      if (at == std::string::npos) continue;
      Probe(name);
      Move(name, name.substr(0, at) + "picture" + name.substr(at + 5));
    } else if (operation == "enumerate") {
      char numbered[32];
      wsprintfA(numbered, "NewFile%04d.jpg", static_cast<int>(i));
      Probe(name);
      Move(name, numbered);
    } else if (operation == "delete") {
      Probe(name);
      if (!DeleteFileA(name.c_str())) Die("DeleteFileA");
    } else {
      std::fprintf(stderr, "floor_driver: no operation %s\n", operation.c_str());
      std::exit(2);
    }
  }
}

void ReclaimFreeMemory() {
  constexpr SIZE_T kBytes = SIZE_T{768} << 20;
  void* block = VirtualAlloc(nullptr, kBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (!block) Die("VirtualAlloc");
  std::memset(block, 1, kBytes);
  VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "reclaim") {
    ReclaimFreeMemory();
    std::printf("0\n");
    return 0;
  }
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr,
                 "usage: %s [safe-]backup <folder> <archive> | [safe-]restore <archive> <folder> | "
                 "upper|lower|substitute|enumerate|delete <folder> | reclaim\n",
                 argv[0]);
    return 2;
  }
  std::string operation = argv[1];
  const bool safe = operation.starts_with("safe-");
  if (safe) operation.erase(0, 5);
  const bool restore = operation == "restore";
  if (!SetCurrentDirectoryA(argv[restore ? 3 : 2])) Die("SetCurrentDirectoryA");

  // The program has its list filled before a command starts.
  const std::vector<std::string> names = restore ? std::vector<std::string>{} : ListedNames();
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (operation == "backup") {
    Backup(names, argv[3], safe);
  } else if (restore) {
    Restore(argv[2], safe);
  } else {
    RenameAll(names, operation);
  }
  QueryPerformanceCounter(&end);
  std::printf("%.3f\n",
              static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  return 0;
}
