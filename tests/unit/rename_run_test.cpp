// The one run behind Set Lower Case, Set Upper Case, Substitute, Delete and
// Enumerate, on a folder of the real disk that is not the current directory.
#include "rename/rename_run.h"

#include "app/current_language.h"
#include "fake_command_window.h"
#include "framework/file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

// Records the names shown; Cancel is pressed before poll `cancelAtPoll`.
struct FakeProgress final : RunProgress {
  explicit FakeProgress(int cancelAtPoll) : cancelAtPoll(cancelAtPoll) {}
  void SetStatus(std::wstring text) override { statuses.push_back(std::move(text)); }
  void SetPosition(int, int) override {}
  bool TakeCancelRequest() override { return ++polls == cancelAtPoll; }
  void ShowLatest() override {}

  int cancelAtPoll;
  int polls = 0;
  std::vector<std::wstring> statuses;
};

struct Outcome {
  std::vector<std::wstring> names;  // in the folder afterwards, sorted
  std::vector<std::wstring> messages;
  std::vector<std::wstring> statuses;
  std::size_t messagesBeforeStart = 0;
};

// Runs `operation` over every one of `files`, the first `heldOpen` of them
// held open by another program, with Cancel pressed at poll `cancelAtPoll`
// and confirmed.
Outcome RunOn(RenameOperation operation, const NameChoice& choice, const std::vector<std::wstring>& files,
              std::size_t heldOpen, int cancelAtPoll) {
  // Of its own test: the cases may run side by side in one folder.
  const std::filesystem::path folder = std::filesystem::absolute(
      std::string("rename_run_") + testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  std::vector<File> held(heldOpen);
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::ofstream(folder / files[i]) << "x";
    if (i < heldOpen) {
      EXPECT_TRUE(held[i].Open((folder / files[i]).wstring(), File::Mode::ReadExisting, nullptr));
    }
  }
  FakeCommandWindow window(folder.wstring() + L"\\", files);
  window.AnswerWith(IDYES);
  FakeProgress progress(cancelAtPoll);
  std::vector<int> positions(files.size());
  std::iota(positions.begin(), positions.end(), 0);
  Outcome outcome;
  const RunStart start = [&] {
    outcome.messagesBeforeStart = window.Messages().size();
    return std::optional(choice);
  };
  RunRename(window, operation, positions, start, progress);
  held.clear();
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    outcome.names.push_back(entry.path().filename().wstring());
  std::ranges::sort(outcome.names);
  std::filesystem::remove_all(folder);
  outcome.messages = window.Messages();
  outcome.statuses = progress.statuses;
  return outcome;
}

struct Row {
  RenameOperation operation;
  NameChoice choice;
  // Over "a1.TXT" (held open), "Image2.txt" and "c3.txt":
  std::vector<std::wstring> names;
  std::vector<std::wstring> statuses;
  // Over "Image1.txt" and "Image2.txt", Cancel confirmed at the second poll:
  std::vector<std::wstring> namesAfterCancel;
};

const Row kRows[] = {
    {RenameOperation::LowerCase,
     {},
     {L"a1.TXT", L"c3.txt", L"image2.txt"},
     {L"Image2.txt", L"c3.txt"},
     {L"Image2.txt", L"image1.txt"}},
    {RenameOperation::UpperCase,
     {},
     {L"C3.TXT", L"IMAGE2.TXT", L"a1.TXT"},
     {L"Image2.txt", L"c3.txt"},
     {L"IMAGE1.TXT", L"Image2.txt"}},
    {RenameOperation::Substitute,
     {.original = L"IMAGE", .replacement = L"img"},
     {L"a1.TXT", L"c3.txt", L"img2.txt"},
     {L"img2.txt"},
     {L"Image2.txt", L"img1.txt"}},
    {RenameOperation::Delete, {}, {L"a1.TXT"}, {L"Image2.txt", L"c3.txt"}, {L"Image2.txt"}},
    // Never polls Cancel; a file that cannot be opened uses up its number.
    {RenameOperation::Enumerate,
     {.stem = L"N", .firstNumber = 7, .extension = L"jpg"},
     {L"N0008.jpg", L"N0009.jpg", L"a1.TXT"},
     {L"N0008.jpg", L"N0009.jpg"},
     {L"N0007.jpg", L"N0008.jpg"}},
};

}  // namespace

TEST(RenameRun, NamesGivenWithAFileThatCannotBeOpenedReportedBeforeTheStart) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.operation));
    const Outcome outcome = RunOn(row.operation, row.choice, {L"a1.TXT", L"Image2.txt", L"c3.txt"}, 1, 0);
    EXPECT_THAT(outcome.names, ElementsAreArray(row.names));
    EXPECT_THAT(outcome.messages, ElementsAre(L"a1.TXT"));
    EXPECT_EQ(outcome.messagesBeforeStart, 1u);
    EXPECT_THAT(outcome.statuses, ElementsAreArray(row.statuses));
  }
}

TEST(RenameRun, ConfirmedCancelStopsBeforeTheFileInHand) {
  const std::wstring question = Text(LocalizedText::CancelQuestion, CurrentLanguage());
  for (const Row& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.operation));
    const Outcome outcome = RunOn(row.operation, row.choice, {L"Image1.txt", L"Image2.txt"}, 0, 2);
    EXPECT_THAT(outcome.names, ElementsAreArray(row.namesAfterCancel));
    if (row.operation == RenameOperation::Enumerate) {
      EXPECT_THAT(outcome.messages, IsEmpty());
    } else {
      EXPECT_THAT(outcome.messages, ElementsAre(question));
    }
  }
}
