#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "archive/memory_archive_source.h"
#include "scenario.h"

namespace archive_test {

ArchiveBytes::ArchiveBytes(std::string_view sourceFolder, std::uint32_t itemCount) {
  m_bytes.append("BACKUP", 6);
  m_bytes.push_back('\0');
  m_bytes.push_back('\1');
  AppendU32(itemCount);
  AppendField(sourceFolder, 1024);
}

ArchiveBytes& ArchiveBytes::Item(std::string_view name, std::string_view data) {
  return ItemWithSize(name, static_cast<std::uint32_t>(data.size()), data);
}

ArchiveBytes& ArchiveBytes::ItemWithSize(std::string_view name, std::uint32_t dataSize, std::string_view data) {
  AppendU32(dataSize);
  AppendField(name, 512);
  m_bytes.append(data);
  return *this;
}

void ArchiveBytes::AppendU32(std::uint32_t value) {
  for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void ArchiveBytes::AppendField(std::string_view text, std::size_t width) {
  const std::string_view kept = text.substr(0, width);
  m_bytes.append(kept);
  m_bytes.append(width - kept.size(), '\0');
}

std::string ArchiveOf(std::string_view sourceFolder, const std::vector<std::pair<std::string, std::string>>& items) {
  ArchiveBytes archive(sourceFolder, static_cast<std::uint32_t>(items.size()));
  for (const auto& [name, data] : items) archive.Item(name, data);
  return archive.Bytes();
}

archive_format::ArchiveListing ListingOf(const std::string& bytes) {
  archive_format::MemoryArchiveSource source(
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  auto listing = archive_format::ListArchive(source);
  EXPECT_TRUE(listing.has_value()) << "not a backup archive";
  return listing.value_or(archive_format::ArchiveListing{});
}

std::string Pattern(std::size_t size, char seed) {
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(seed + static_cast<char>(i % 251));
  return text;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteWholeFile(const std::string& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RunDialog(std::string_view title, const std::function<void(usersim::User&, HWND)>& script,
               const std::function<void()>& ui) {
  const std::string wanted(title);
  usersim::RunUserScenario([&](usersim::User& user) { script(user, user.WaitForDialog(wanted)); }, ui);
}

usersim::MessageBoxInfo BackUpAs(const usersim::User& user, HWND mainWindow, const std::string& archivePath) {
  user.Click(mainWindow, 1081);
  user.ChooseFile(kSaveTitle, archivePath);
  usersim::MessageBoxInfo summary = user.WaitForMessageBox("Backup");
  user.Answer(summary, IDOK);
  return summary;
}

}  // namespace archive_test
