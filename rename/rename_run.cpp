#include "rename/rename_run.h"

#include "app/current_language.h"
#include "framework/file.h"
#include "framework/text_case.h"
#include "rename/file_list.h"
#include "rename/folder_names.h"
#include "rename/lossless_rename.h"
#include "rename/name_transforms.h"
#include "rename/rename_messages.h"

namespace {

// The caption when a file cannot be opened: the same in every language.
constexpr wchar_t kOpenErrorCaption[] = L"Error";

// How the operations differ, beside the names they give.
struct OperationTraits {
  const LocalizedEntry& title;
  // The caption of a failed change when it is not the title: fixed, the same in every language.
  const wchar_t* fixedFailureCaption;
  // Whether the user's Cancel is asked about before each file.
  bool pollsCancel;
  // The status line shows the new name, else the old one; once the file is done, else before.
  bool showsNewName;
  bool showsNameWhenDone;
};

OperationTraits TraitsOf(RenameOperation operation) {
  switch (operation) {
    case RenameOperation::LowerCase:
      return {LocalizedText::ToLowerTitle, nullptr, true, false, false};
    case RenameOperation::UpperCase:
      return {LocalizedText::ToUpperTitle, nullptr, true, false, false};
    case RenameOperation::Substitute:
      return {LocalizedText::SubstituteTitle, nullptr, true, true, false};
    case RenameOperation::Delete:
      return {LocalizedText::DeleteTitle, nullptr, true, false, false};
    case RenameOperation::Enumerate:
      break;
  }
  // Enumerate never stops halfway: every listed file gets its number.
  return {LocalizedText::EnumerateTitle, L"Sequence", false, true, true};
}

// The name the file gets at `index` of the run; none for Delete, and none
// when the text to substitute does not occur in the name.
std::optional<std::wstring> NewNameFor(RenameOperation operation, const std::wstring& name,
                                       const NameChoice& choice, int index) {
  switch (operation) {
    case RenameOperation::LowerCase:
      return ToLowerCase(name);
    case RenameOperation::UpperCase:
      return ToUpperCase(name);
    case RenameOperation::Substitute:
      return SubstituteFirst(name, choice.original, choice.replacement);
    case RenameOperation::Enumerate:
      // A file that cannot be opened still uses up its number.
      return NumberedName(choice.stem, static_cast<unsigned>(index) + choice.firstNumber, choice.extension);
    case RenameOperation::Delete:
      break;
  }
  return std::nullopt;
}

// The probe that shows whether the file may be changed now, closed again at once.
bool Opens(const std::wstring& folder, const std::wstring& name, FileException& error) {
  File file;
  return OpenListedFile(file, folder, name, error);
}

}  // namespace

const LocalizedEntry& OperationTitle(RenameOperation operation) { return TraitsOf(operation).title; }

void RunRename(CommandWindow& window, RenameOperation operation, const std::vector<int>& positions,
               const RunStart& start, RunProgress& progress) {
  const OperationTraits traits = TraitsOf(operation);
  const LanguageId language = CurrentLanguage();
  const std::wstring title = Text(traits.title, language);
  const std::wstring failureCaption = traits.fixedFailureCaption ? traits.fixedFailureCaption : title;
  const std::wstring folder = window.ListedFolder();
  FolderNames store(folder);
  LosslessRenamer renamer(store);
  std::optional<NameChoice> choice;
  const int count = static_cast<int>(positions.size());
  if (count == 0) window.EnableSelectionCommands(false);

  for (int i = 0; i < count; ++i) {
    const std::wstring name = window.ListedFileName(positions[static_cast<std::size_t>(i)]);
    FileException openError;
    if (!Opens(folder, name, openError)) {
      progress.ShowLatest();
      window.ShowFileError(name, openError, kOpenErrorCaption);
      progress.SetPosition(i, count);
      continue;
    }
    if (!choice) {
      choice = start();
      if (!choice) return;
    }

    const std::optional<std::wstring> newName = NewNameFor(operation, name, *choice, i);
    // A name without the text to substitute is left alone without a word.
    if (newName || operation == RenameOperation::Delete) {
      const std::wstring shownName = traits.showsNewName ? *newName : name;
      if (!traits.showsNameWhenDone) progress.SetStatus(shownName);
      if (traits.pollsCancel && progress.TakeCancelRequest() &&
          window.MessageBox(Text(LocalizedText::CancelQuestion, language), title,
                            MB_YESNO | MB_ICONQUESTION) == IDYES)
        break;
      try {
        if (newName) {
          renamer.Rename(name, *newName);
        } else {
          File::Remove(folder + name);
        }
      } catch (const RenameLeftUnderTemporaryName& stranded) {
        progress.ShowLatest();
        window.MessageBox(
            LeftUnderTemporaryNameText(name, stranded.m_strNewName, stranded.m_strTemporaryName),
            failureCaption, MB_OK | MB_ICONSTOP);
      } catch (const FileException& error) {
        progress.ShowLatest();
        window.ShowFileError(name, error, failureCaption.c_str());
      }
      if (traits.showsNameWhenDone) progress.SetStatus(shownName);
    }
    progress.SetPosition(i, count);
  }
}
