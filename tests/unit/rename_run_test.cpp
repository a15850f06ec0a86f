// The one run behind Set Lower Case, Set Upper Case, Substitute, Delete and
// Enumerate, on a folder of the real disk that is not the current directory:
// the names it gives, where it asks its start, and how it takes Cancel.
#include "rename/rename_run.h"

#include "app/current_language.h"
#include "fake_command_window.h"
#include "framework/file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

namespace {

class FakeProgress final : public RunProgress {
 public:
  explicit FakeProgress(int cancelAtPoll) : m_cancelAtPoll(cancelAtPoll) {}
  void SetStatus(std::wstring text) override { statuses.push_back(std::move(text)); }
  void SetPosition(int, int) override {}
  bool TakeCancelRequest() override { return ++polls == m_cancelAtPoll; }
  void FlushStatus() override {}

  std::vector<std::wstring> statuses;
  int polls = 0;

 private:
  int m_cancelAtPoll;
};

const std::filesystem::path kFolder = std::filesystem::absolute("rename_run_folder");

struct Outcome {
  std::vector<std::wstring> names;  // in the folder afterwards, sorted
  std::vector<std::wstring> messages;
  std::vector<std::wstring> statuses;
  int polls = 0;
  std::optional<std::size_t> messagesBeforeStart;  // none: never started
};

// Runs `operation` over `files`, all of them listed and acted on, with the
// first `heldOpen` of them held open by another program; the start answers
// `choice`, and Cancel is pressed at poll `cancelAtPoll` and confirmed.
Outcome RunOn(RenameOperation operation, const std::optional<NameChoice>& choice,
              const std::vector<std::wstring>& files, std::size_t heldOpen = 0, int cancelAtPoll = 0) {
  std::filesystem::remove_all(kFolder);
  std::filesystem::create_directory(kFolder);
  std::vector<File> held(heldOpen);
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::ofstream(kFolder / files[i]) << "x";
    if (i < heldOpen) {
      EXPECT_TRUE(held[i].Open((kFolder / files[i]).wstring(), File::Mode::ReadExisting, nullptr));
    }
  }
  FakeCommandWindow window(kFolder.wstring() + L"\\", files);
  window.AnswerWith(IDYES);
  FakeProgress progress(cancelAtPoll);
  std::vector<int> positions(files.size());
  for (std::size_t i = 0; i < positions.size(); ++i) positions[i] = static_cast<int>(i);
  Outcome outcome;
  RunRename(
      window, operation, positions,
      [&] {
        EXPECT_FALSE(outcome.messagesBeforeStart) << "started twice";
        outcome.messagesBeforeStart = window.Messages().size();
        return choice;
      },
      progress);
  held.clear();
  for (const auto& entry : std::filesystem::directory_iterator(kFolder))
    outcome.names.push_back(entry.path().filename().wstring());
  std::ranges::sort(outcome.names);
  std::filesystem::remove_all(kFolder);
  outcome.messages = window.Messages();
  outcome.statuses = progress.statuses;
  outcome.polls = progress.polls;
  return outcome;
}

struct Row {
  RenameOperation operation;
  NameChoice choice;
  // Over "a1.TXT" (held open), "Image2.txt" and "c3.txt":
  std::vector<std::wstring> names;
  std::vector<std::wstring> statuses;
  int polls;
  // Over "Image1.txt" and "Image2.txt", Cancel pressed at the second poll and confirmed:
  std::vector<std::wstring> namesAfterCancel;
};

const Row kRows[] = {
    {RenameOperation::LowerCase,
     {},
     {L"a1.TXT", L"c3.txt", L"image2.txt"},
     {L"Image2.txt", L"c3.txt"},
     2,
     {L"Image2.txt", L"image1.txt"}},
    {RenameOperation::UpperCase,
     {},
     {L"C3.TXT", L"IMAGE2.TXT", L"a1.TXT"},
     {L"Image2.txt", L"c3.txt"},
     2,
     {L"IMAGE1.TXT", L"Image2.txt"}},
    {RenameOperation::Substitute,
     {.original = L"IMAGE", .replacement = L"img"},
     {L"a1.TXT", L"c3.txt", L"img2.txt"},
     {L"img2.txt"},
     1,
     {L"Image2.txt", L"img1.txt"}},
    {RenameOperation::Delete, {}, {L"a1.TXT"}, {L"Image2.txt", L"c3.txt"}, 2, {L"Image2.txt"}},
    // Never asks about Cancel; a file that cannot be opened uses up its number.
    {RenameOperation::Enumerate,
     {.stem = L"N", .firstNumber = 7, .extension = L"jpg"},
     {L"N0008.jpg", L"N0009.jpg", L"a1.TXT"},
     {L"N0008.jpg", L"N0009.jpg"},
     0,
     {L"N0007.jpg", L"N0008.jpg"}},
};

}  // namespace

TEST(RenameRun, NamesGivenWithAFileThatCannotBeOpenedReportedBeforeTheStart) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.operation));
    const Outcome outcome = RunOn(row.operation, row.choice, {L"a1.TXT", L"Image2.txt", L"c3.txt"}, 1);
    EXPECT_THAT(outcome.names, ElementsAreArray(row.names));
    EXPECT_THAT(outcome.messages, ElementsAre(L"a1.TXT"));
    EXPECT_EQ(outcome.messagesBeforeStart, 1u);
    EXPECT_THAT(outcome.statuses, ElementsAreArray(row.statuses));
    EXPECT_EQ(outcome.polls, row.polls);
  }
}

TEST(RenameRun, ConfirmedCancelStopsBeforeTheFileInHand) {
  const std::wstring question = Text(LocalizedText::CancelQuestion, CurrentLanguage());
  for (const Row& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.operation));
    const Outcome outcome = RunOn(row.operation, row.choice, {L"Image1.txt", L"Image2.txt"}, 0, 2);
    EXPECT_THAT(outcome.names, ElementsAreArray(row.namesAfterCancel));
    if (row.polls == 0) {
      EXPECT_THAT(outcome.messages, IsEmpty());
    } else {
      EXPECT_THAT(outcome.messages, ElementsAre(question));
    }
  }
}

TEST(RenameRun, NoStartWhenNoFileOpensAndNothingDoneWhenTheStartIsDeclined) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(static_cast<int>(row.operation));
    Outcome outcome = RunOn(row.operation, row.choice, {L"Image1.txt"}, 1);
    EXPECT_FALSE(outcome.messagesBeforeStart);
    outcome = RunOn(row.operation, std::nullopt, {L"Image1.txt"});
    EXPECT_THAT(outcome.names, ElementsAre(L"Image1.txt"));
    EXPECT_THAT(outcome.statuses, IsEmpty());
  }
}
