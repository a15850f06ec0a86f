// Writes the seed archives of fuzz/corpus. Run again only to change them:
//   g++ -std=c++20 -I. fuzz/make_seed_corpus.cpp archive/archive_format.cpp -o /tmp/make_seed_corpus
//   /tmp/make_seed_corpus fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive_format.h"

using namespace archive_format;

namespace {

class Seed {
 public:
  Seed(std::string_view folder, std::uint32_t itemCount) {
    const auto header = EncodeHeader(folder, itemCount);
    m_bytes.assign(header->begin(), header->end());
  }
  Seed& Item(std::string_view name, std::string_view data) {
    const auto header = EncodeItemHeader(name, static_cast<std::uint32_t>(data.size()));
    m_bytes.insert(m_bytes.end(), header->begin(), header->end());
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
    return *this;
  }
  Seed& Raw(std::string_view raw) {
    m_bytes.insert(m_bytes.end(), raw.begin(), raw.end());
    return *this;
  }
  Seed& Cut(std::size_t keep) {
    m_bytes.resize(keep);
    return *this;
  }
  Seed& Fill(std::size_t from, std::size_t count, char c) {
    for (std::size_t i = from; i < from + count; ++i) m_bytes.at(i) = static_cast<std::uint8_t>(c);
    return *this;
  }
  void Save(const std::string& folder, const std::string& name) const {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(m_bytes.data()), static_cast<std::streamsize>(m_bytes.size()));
  }

 private:
  std::vector<std::uint8_t> m_bytes;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_seed_corpus OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  const std::string out = argv[1];
  Seed("c:\\users\\me\\", 0).Save(out, "empty.Backup");
  Seed("c:\\data\\", 3)
      .Item("alpha.txt", "hello")
      .Item("empty.dat", "")
      .Item("notes", "line 1\r\nline 2\r\n")
      .Save(out, "three_items.Backup");
  Seed("d:\\", 1).Item(std::string(kMaxItemNameLength, 'n'), "x").Save(out, "long_name.Backup");
  Seed("c:\\x\\", 6)
      .Item("..\\up.txt", "a")
      .Item("nul.txt", "b")
      .Item("COM\xB9", "c")
      .Item("a:stream", "d")
      .Item("trail.", "e")
      .Item("\\\\srv\\s", "f")
      .Save(out, "hostile_names.Backup");
  // Code page 932: "\x83\x5C" is one character whose second byte is a
  // backslash; "\x81" alone is a lead byte without its trail.
  Seed("c:\\\x83\x5C\x83\x74\x83\x67\\", 2)
      .Item("\x83\x5C\x83\x74\x83\x67.TXT", "s")
      .Item("\x81", "t")
      .Save(out, "double_byte_names.Backup");
  Seed("c:\\data\\", 3)
      .Item("alpha.txt", "hello")
      .Item("beta.txt", "world, world")
      .Item("gamma", "!")
      .Cut(kHeaderSize + 2 * kItemHeaderSize + 9)
      .Save(out, "truncated.Backup");
  Seed("c:\\", 0xFFFFFFFF).Item("only", "1").Save(out, "count_beyond_file.Backup");
  Seed("c:\\", 2)
      .Item("first", "1")
      .Item("second", "2")
      .Fill(kHeaderSize + kItemHeaderSize + 1 + 4, kNameFieldSize, 'N')
      .Save(out, "unterminated_name.Backup");
  Seed("c:\\", 1).Item("a", "").Fill(12, kFolderFieldSize, 'F').Save(out, "unterminated_folder.Backup");
  Seed("c:\\", 1)
      .Raw(std::string_view("\xff\xff\xff\x7f"
                            "big",
                            7))
      .Save(out, "huge_data_size.Backup");
  Seed("c:\\", 0).Fill(7, 1, '\x02').Cut(64).Save(out, "other_version.bin");
  return 0;
}
