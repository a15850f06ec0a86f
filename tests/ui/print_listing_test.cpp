// The Print button end to end: the main window shows a folder, the user
// prints it on the test run's PDF printer, and the text of the PDF that comes
// out is read back with pdftotext.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/current_language.h"
#include "app/localized_text.h"
#include "deep_folders.h"
#include "main_window.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "test_environment.h"
#include "ui/main_dialog.h"
#include "user_sim.h"
#include "wide_text.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::SizeIs;
using usersim::MessageBoxIcon;
using usersim::RunUserScenario;
using usersim::User;

namespace {

// A user profile on a short path, so that the page header, which runs on
// unclipped past the paper's edge, keeps the whole path on the page.
class ShortProfile : public FakeProfile {
 public:
  ShortProfile() : FakeProfile(fs::path("C:\\pr" + std::to_string(GetCurrentProcessId()))) {}

  void Write(const std::string& name, std::string_view content = {}) const {
    Profile().Write("Desktop\\" + name, content);
  }
  // What the listing's header names: the Desktop in lower case and the pattern.
  std::string PathText(std::string_view pattern) const {
    return DesktopPathLine() + "\\" + std::string(pattern);
  }
};

// The folder the run's PDF printer writes into, as scripts/test.sh sets it up.
class PdfFolder {
 public:
  static std::optional<PdfFolder> OfThisRun() {
    const auto unixPath = usersim::EnvironmentValue("DORVEX_PDF_DIR");
    if (!unixPath) return std::nullopt;
    return PdfFolder(*unixPath);
  }

  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_windowsPath))
      if (entry.path().extension() == ".pdf") names.insert(entry.path().filename().string());
    return names;
  }

  std::vector<std::string> NewFiles(const std::set<std::string>& before) const {
    std::vector<std::string> names;
    for (const auto& file : Files())
      if (!before.contains(file)) names.push_back(file);
    return names;
  }

  // Waits for a file the printer made after `before` was taken; of several,
  // the one of the latest job. Empty when none came.
  std::string WaitForNewFile(const std::set<std::string>& before) const {
    const auto deadline = std::chrono::steady_clock::now() + 90s;
    std::vector<std::string> names;
    while (names.empty() && std::chrono::steady_clock::now() < deadline) {
      names = NewFiles(before);
      if (names.empty()) Sleep(200);
    }
    const auto latest = std::ranges::max_element(
        names, {}, [](const std::string& name) { return JobNumber(name).value_or(-1); });
    return latest == names.end() ? std::string() : *latest;
  }

  // pdftotext -layout of the file; nullopt when it cannot be read (yet).
  std::optional<std::string> Text(const std::string& pdfName) const {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (std::chrono::steady_clock::now() < deadline) {
      if (auto text = ConvertOnce(pdfName)) return text;
      Sleep(500);  // the printer may still be writing the file
    }
    return std::nullopt;
  }

  // The CUPS job number in "Directory-job_12.pdf".
  static std::optional<int> JobNumber(const std::string& pdfName) {
    static const std::regex pattern(R"(-job_(\d+)\.pdf$)");
    std::smatch match;
    if (!std::regex_search(pdfName, match, pattern)) return std::nullopt;
    return std::stoi(match[1].str());
  }

 private:
  explicit PdfFolder(std::string unixPath)
      : m_unixPath(std::move(unixPath)), m_windowsPath(usersim::WindowsPathOfUnixPath(m_unixPath)) {}

  // pdftotext is a Unix program: Wine starts it, but hands back no process to
  // wait for, so it reports its end by renaming its output into place.
  std::optional<std::string> ConvertOnce(const std::string& pdfName) const {
    const std::string textName = pdfName + ".txt";
    const fs::path text = fs::path(m_windowsPath) / textName;
    const fs::path failed = fs::path(m_windowsPath) / (textName + ".failed");
    std::error_code ignored;
    fs::remove(text, ignored);
    fs::remove(failed, ignored);

    std::string command =
        "\"Z:\\usr\\bin\\sh\" -c \"/usr/bin/pdftotext -layout \\\"$1\\\" \\\"$2.part\\\" && "
        "mv \\\"$2.part\\\" \\\"$2\\\" || touch \\\"$2.failed\\\"\" sh \"" +
        m_unixPath + "/" + pdfName + "\" \"" + m_unixPath + "/" + textName + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return std::nullopt;
    if (process.hProcess) CloseHandle(process.hProcess);
    if (process.hThread) CloseHandle(process.hThread);

    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
      if (fs::exists(failed)) break;
      if (fs::exists(text)) {
        std::ifstream in(text, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        in.close();
        fs::remove(text, ignored);
        return content.str();
      }
      Sleep(100);
    }
    fs::remove(failed, ignored);
    return std::nullopt;
  }

  std::string m_unixPath;
  std::string m_windowsPath;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    const auto start = line.find_first_not_of(' ');
    lines.push_back(start == std::string::npos ? std::string() : line.substr(start));
  }
  return lines;
}

// The pages of pdftotext's output (it ends each page with a form feed),
// each as its non-empty lines.
std::vector<std::vector<std::string>> Pages(const std::string& text) {
  std::vector<std::vector<std::string>> pages;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\f', begin)) != std::string::npos; begin = end + 1) {
    std::vector<std::string> page;
    for (auto& line : Lines(text.substr(begin, end - begin)))
      if (!line.empty()) page.push_back(std::move(line));
    pages.push_back(std::move(page));
  }
  return pages;
}

// A printed row: the name, the size, the attributes on a landscape page,
// and a creation time.
std::string RowPattern(const std::string& name, const std::string& size) {
  return std::regex_replace(name, std::regex(R"([.^$|()\[\]{}*+?\\-])"), R"(\$&)") + R"( +)" + size +
         R"(( +[a-][r-][h-][s-])? +[a-z]{3} \d\d,\d{4} (0\d|1[0-2]):[0-5]\d:[0-5]\d)";
}

MATCHER_P(MatchesRegex, pattern, "matches " + std::string(pattern)) {
  return std::regex_match(arg, std::regex(pattern));
}

// Shows the profile's Desktop with the pattern, prints it on the default
// printer, and returns the file list as the window showed it.
std::vector<std::string> PrintShownListing(LanguageId language, std::string_view pattern) {
  SetCurrentLanguage(language);
  std::vector<std::string> listed;
  MainDialog dialog;
  RunUserScenario(
      [&](User& user) {
        HWND main = user.WaitForDialog(MainWindowTitle(language));
        user.SetText(main, IDC_FILE_SPEC, pattern);
        listed = user.ListItems(main, IDC_FILE_LIST);
        user.Click(main, IDC_PRINT);
        user.ClickOk(user.WaitForDialog("Print"));
        user.Settle(main);
        user.Click(main, IDCANCEL);
      },
      [&] { dialog.DoModal(); });
  return listed;
}

class PrintListing : public testing::Test {
 protected:
  void SetUp() override {
    m_pdfFolder = PdfFolder::OfThisRun();
    ASSERT_TRUE(m_pdfFolder)
        << "DORVEX_PDF_DIR is not set: this run has no PDF printer (see scripts/test.sh)";
    m_before = m_pdfFolder->Files();
  }

  // The text of the PDF the last print made.
  std::string PrintedText() {
    const std::string file = m_pdfFolder->WaitForNewFile(m_before);
    EXPECT_FALSE(file.empty()) << "no new PDF came out of the printer";
    if (file.empty()) return {};
    m_before.insert(file);
    EXPECT_TRUE(file.starts_with("Directory")) << file;
    const auto text = m_pdfFolder->Text(file);
    EXPECT_TRUE(text) << "pdftotext could not read " << file;
    return text.value_or(std::string());
  }

  std::optional<PdfFolder> m_pdfFolder;
  std::set<std::string> m_before;
  ShortProfile m_profile;
};

// Where the texts sit on the page is checked in a metafile (print_pages_test);
// this is the one run through the print dialog, CUPS and the PDF printer.
TEST_F(PrintListing, PrintsTheFilesOfTheFolderThePatternListsInListOrder) {
  m_profile.Write("alpha.txt", "not the listed one");
  m_profile.Profile().MakeFolder("Desktop\\sub");
  m_profile.Write("sub\\Beta.TXT", "12345");
  m_profile.Write("sub\\alpha.txt");
  m_profile.Write("sub\\Gamma.txt", std::string(2000, 'g'));
  m_profile.Write("sub\\other.dat", "not matched");

  const auto listed = PrintShownListing(Language::English, "sub\\*.txt");
  ASSERT_THAT(listed, ElementsAre("alpha.txt", "Beta.TXT", "Gamma.txt"));

  const auto pages = Pages(PrintedText());
  ASSERT_THAT(pages, SizeIs(1));
  EXPECT_THAT(pages[0], ElementsAre("page 1 of directory listing of " + m_profile.PathText("sub\\*.txt"),
                                    MatchesRegex("filename +size +(attrib +)?created"),
                                    MatchesRegex(RowPattern("alpha.txt", "0")),
                                    MatchesRegex(RowPattern("beta.txt", "5")),
                                    MatchesRegex(RowPattern("gamma.txt", "2000"))));
}

// Each row's size and time come from the file itself, also past 260 characters.
TEST_F(PrintListing, AFolderDeeperThanTheSystemsPlainLimitPrintsEveryRow) {
  std::string chain;
  while (chain.size() < 300) chain += "level" + std::to_string(chain.size()) + std::string(40, 'x') + "\\";
  const std::wstring folder =
      m_profile.Desktop().wstring() + L"\\" + std::wstring(chain.begin(), chain.end());
  ASSERT_TRUE(deep_folders::MakeFolders(folder));
  ASSERT_TRUE(deep_folders::WriteFile(folder + L"deep.txt", "12345"));
  ASSERT_TRUE(deep_folders::WriteFile(folder + L"er.txt", std::string(2000, 'e')));

  ASSERT_THAT(PrintShownListing(Language::English, chain + "*.txt"), ElementsAre("deep.txt", "er.txt"));
  const auto pages = Pages(PrintedText());
  ASSERT_THAT(pages, SizeIs(1));
  EXPECT_THAT(pages[0], testing::IsSupersetOf({MatchesRegex(RowPattern("deep.txt", "5")),
                                               MatchesRegex(RowPattern("er.txt", "2000"))}));
  deep_folders::RemoveTree(m_profile.Desktop().wstring() + L"\\" +
                           std::wstring(chain.begin(), chain.begin() + chain.find('\\')));
}

TEST_F(PrintListing, AnEmptyListShowsTheMessageAndLeavesNoPrintJob) {
  SetCurrentLanguage(Language::English);
  {
    MainDialog dialog;
    RunUserScenario(
        [&](User& user) {
          HWND main = user.WaitForDialog(MainWindowTitle(Language::English));
          user.SetText(main, IDC_FILE_SPEC, "*.none");
          ASSERT_THAT(user.ListItems(main, IDC_FILE_LIST), IsEmpty());
          user.Click(main, IDC_PRINT);
          user.ClickOk(user.WaitForDialog("Print"));
          const auto box = user.WaitForMessageBox("Print Directory List");
          EXPECT_EQ(box.text, "No files were found that matched " + m_profile.PathText("*.none") + "!");
          EXPECT_EQ(box.icon, MessageBoxIcon::Information);
          EXPECT_THAT(box.buttons, ElementsAre(IDOK));
          user.Answer(box, IDOK);
          user.Click(main, IDCANCEL);
        },
        [&] { dialog.DoModal(); });
  }

  // The printer works through its jobs in order: once a later listing has
  // come out, a job left by the empty one would have come out before it.
  m_profile.Write("one.txt");
  PrintShownListing(Language::English, "*.txt");
  EXPECT_FALSE(m_pdfFolder->WaitForNewFile(m_before).empty());
  EXPECT_THAT(m_pdfFolder->NewFiles(m_before), SizeIs(1)) << "the empty listing made a print job of its own";
}

class EmptyListMessage : public testing::TestWithParam<LanguageId> {};

TEST_P(EmptyListMessage, NamesTheShownFolderAndPatternInTheRunningLanguage) {
  ASSERT_TRUE(usersim::TestPrinterName()) << "DORVEX_PRINTER is not set: this run has no test printer";
  const LanguageId language = GetParam();
  ShortProfile profile;
  SetCurrentLanguage(language);
  MainDialog dialog;
  RunUserScenario(
      [&](User& user) {
        HWND main = user.WaitForDialog(MainWindowTitle(language));
        user.SetText(main, IDC_FILE_SPEC, "*.none");
        user.Click(main, IDC_PRINT);
        user.ClickOk(user.WaitForDialog("Print"));
        const auto box = user.WaitForMessageBox(Text(LocalizedText::PrintTitle, language));
        std::wstring expected = Text(LocalizedText::NoFilesMatchedPrint, language);
        expected.replace(expected.find(L"%s"), 2, Wide(profile.PathText("*.none")));
        EXPECT_EQ(box.wideText, expected);
        EXPECT_EQ(box.icon, MessageBoxIcon::Information);
        user.Answer(box, IDOK);
        user.Click(main, IDCANCEL);
      },
      [&] { dialog.DoModal(); });
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, EmptyListMessage,
                         testing::Values(Language::English, Language::German, Language::French,
                                         Language::Italian));

}  // namespace
