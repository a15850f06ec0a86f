#include "archive_test_support.h"

#include <gtest/gtest.h>

#include "archive/memory_archive_source.h"
#include "res/resource.h"
#include "scenario.h"

namespace archive_test {

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

void RunDialog(std::string_view title, const std::function<void(usersim::User&, HWND)>& script,
               const std::function<void()>& ui) {
  const std::string wanted(title);
  usersim::RunUserScenario([&](usersim::User& user) { script(user, user.WaitForDialog(wanted)); }, ui);
}

usersim::MessageBoxInfo BackUpAs(const usersim::User& user, HWND mainWindow, const std::string& archivePath) {
  user.Click(mainWindow, IDC_BACKUP);
  user.ChooseFile(kSaveTitle, archivePath);
  usersim::MessageBoxInfo summary = user.WaitForMessageBox("Backup");
  user.Answer(summary, IDOK);
  return summary;
}

}  // namespace archive_test
