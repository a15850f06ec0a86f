#include "app/stranded_files.h"

#include "app/temporary_name.h"
#include "framework/path.h"

#include <algorithm>
#include <optional>

namespace {

// Past this many the message names only how many more there are, so that
// the box still fits the screen.
constexpr std::size_t kMaxNamedFiles = 10;

StrandedFate BringBack(StrandedFileFolder& folder, const std::wstring& temporary,
                       const std::wstring& original) {
  if (folder.Holds(original)) return StrandedFate::NameTaken;
  return folder.Move(temporary, original) == 0 ? StrandedFate::BroughtBack : StrandedFate::NotBroughtBack;
}

// Only a whole original makes the new content worthless: never guess that
// a new content is whole.
StrandedFate Discard(StrandedFileFolder& folder, const std::wstring& temporary,
                     const std::wstring& original) {
  if (!folder.Holds(original)) return StrandedFate::MaybeIncomplete;
  return folder.Remove(temporary) == 0 ? StrandedFate::Removed : StrandedFate::NotRemoved;
}

bool NeedsTelling(StrandedFate fate) {
  return fate != StrandedFate::BroughtBack && fate != StrandedFate::Removed;
}

std::wstring LineFor(std::wstring_view folder, const StrandedFile& file) {
  std::wstring line = PathInFolder(folder, file.temporaryName);
  const std::wstring& original = file.originalName;
  switch (file.fate) {
    case StrandedFate::NameTaken:
      return line + L" is the file " + original +
             L", which could not get its name back: another file has it.";
    case StrandedFate::NotBroughtBack:
      return line + L" is the file " + original + L", which could not get its name back.";
    case StrandedFate::MaybeIncomplete:
      return line + L" was being written as " + original + L" and may be incomplete.";
    case StrandedFate::NotRemoved:
      return line + L" was being written to replace " + original +
             L", which is whole; it could not be removed.";
    default:
      return line + L" is a file that was being renamed; its name is not known.";
  }
}

}  // namespace

std::vector<StrandedFile> SettleStrandedFiles(StrandedFileFolder& folder) {
  std::vector<std::wstring> names = folder.CandidateNames();
  std::ranges::sort(names);
  std::vector<StrandedFile> caseChanges;
  std::vector<std::pair<std::wstring, std::wstring>> replacements;
  for (const std::wstring& name : names) {
    if (const std::optional<TemporaryNameParts> parts = ParseTemporaryName(name)) {
      if (parts->kind == TemporaryKind::CaseChange)
        caseChanges.push_back({name, parts->originalName, BringBack(folder, name, parts->originalName)});
      else
        replacements.emplace_back(name, parts->originalName);
    } else if (IsOpaqueTemporaryName(name)) {
      caseChanges.push_back({name, std::wstring(), StrandedFate::NameUnknown});
    }
  }
  std::vector<StrandedFile> files = std::move(caseChanges);
  for (const auto& [temporary, original] : replacements)
    files.push_back({temporary, original, Discard(folder, temporary, original)});
  return files;
}

bool ChangedTheFolder(const std::vector<StrandedFile>& files) {
  return std::ranges::any_of(files, [](const StrandedFile& file) { return !NeedsTelling(file.fate); });
}

std::wstring StrandedFilesText(std::wstring_view folder, const std::vector<StrandedFile>& files) {
  std::vector<std::wstring> lines;
  for (const StrandedFile& file : files)
    if (NeedsTelling(file.fate)) lines.push_back(LineFor(folder, file));
  if (lines.empty()) return {};
  std::wstring text = L"An earlier run of Dorvex stopped before it could put these files back in order:\n";
  for (std::size_t i = 0; i < lines.size() && i < kMaxNamedFiles; ++i) text += L"\n" + lines[i];
  if (lines.size() > kMaxNamedFiles)
    text += L"\n... and " + std::to_wstring(lines.size() - kMaxNamedFiles) + L" more in the same folder.";
  return text;
}
