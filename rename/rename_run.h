// One run of a renaming command over listed files: Set Lower Case, Set Upper
// Case, Substitute and Delete on the selection, Enumerate on the whole list.
// The run sees the main window only as a CommandWindow and its progress
// window only as a RunProgress; what it must ask the user reaches it through
// the caller's RunStart, so it can be driven without a window.
#pragma once
#include "app/command_window.h"
#include "app/localized_text.h"
#include "app/run_progress.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class RenameOperation { LowerCase, UpperCase, Substitute, Delete, Enumerate };

// What the user chose for the new names: Substitute's two texts, or
// Enumerate's stem, first number and extension.
struct NameChoice {
  std::wstring original{};
  std::wstring replacement{};
  std::wstring stem{};
  unsigned firstNumber = 0;
  std::wstring extension{};
};

// Called once, at the first file that opens and before any file changes:
// asks the user what the operation needs and brings up the progress window.
// Nothing when the user declines; the run then ends with no file changed.
using RunStart = std::function<std::optional<NameChoice>()>;

// The title of the operation's progress window and questions.
const LocalizedEntry& OperationTitle(RenameOperation operation);

// Acts on the listed files at `positions`, in that order, each by its full
// path in window.ListedFolder(). A file that cannot be opened, or whose
// change fails, is reported and the run goes on.
void RunRename(CommandWindow& window, RenameOperation operation, const std::vector<int>& positions,
               const RunStart& start, RunProgress& progress);
