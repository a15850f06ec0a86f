#include "framework/file_identity.h"

#include "framework/sized_text.h"
#include "framework/text_case.h"

namespace {

std::uint64_t JoinWords(std::uint32_t high, std::uint32_t low) {
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::uint64_t BytesAsNumber(const BYTE* bytes) {
  std::uint64_t number = 0;
  for (int i = 7; i >= 0; --i) number = (number << 8) | bytes[i];
  return number;
}

std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
  // The 128-bit identity where the system has it (ReFS needs it); the
  // classic one, whose volume part costs more to learn under Wine, else.
  FILE_ID_INFO id{};
  FILE_STANDARD_INFO standard{};
  if (GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id) &&
      GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard)) {
    return FileIdentity{id.VolumeSerialNumber, BytesAsNumber(id.FileId.Identifier + 8),
                        BytesAsNumber(id.FileId.Identifier), standard.NumberOfLinks};
  }
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(handle, &information)) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber, 0,
                      JoinWords(information.nFileIndexHigh, information.nFileIndexLow),
                      information.nNumberOfLinks};
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::wstring& path) {
  // Attributes only: such an open shares with every other, also with one
  // that shares nothing. Backup semantics let it open a folder too.
  UniqueFileHandle handle(CreateFileW(FileCallPath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!handle) return std::nullopt;
  return IdentityOfHandle(handle.get());
}

std::wstring NormalizedPath(const std::wstring& path) {
  const std::wstring full = FullPathOf(path);
  const std::wstring callPath = LongFormOfFullPath(full);
  const std::wstring longForm = ReadSizedText(
      [&](wchar_t* buffer, DWORD capacity) { return GetLongPathNameW(callPath.c_str(), buffer, capacity); });
  return longForm.empty() ? full : WithoutLongPrefix(longForm);
}

ExcludedFile::ExcludedFile(const File& file, const std::wstring& path, const std::wstring& folderOfOthers)
    : ExcludedFile(IdentityOfHandle(file.Handle()), path, folderOfOthers) {}

ExcludedFile::ExcludedFile(const std::wstring& path, const std::wstring& folderOfOthers)
    : ExcludedFile(IdentityOfPath(path), path, folderOfOthers) {}

ExcludedFile::ExcludedFile(std::optional<FileIdentity> identity, const std::wstring& path,
                           const std::wstring& folderOfOthers)
    : m_identity(identity) {
  const std::wstring normalized = NormalizedPath(path);
  const std::wstring folder = FolderOfPath(normalized);
  m_strName = normalized.substr(folder.size());
  const std::optional<FileIdentity> ownFolder = IdentityOfPath(folder);
  const std::optional<FileIdentity> otherFolder = IdentityOfPath(folderOfOthers);
  m_bMayBeInFolder = ownFolder && otherFolder
                         ? ownFolder->SameFileAs(*otherFolder)
                         : SameTextIgnoringCase(folder, FolderOfPath(NormalizedPath(folderOfOthers)));
  // Another entry of the file may stand in any folder.
  if (m_identity && m_identity->links > 1) m_bMayBeInFolder = true;
}

std::optional<bool> ExcludedFile::AnswerByName(const std::wstring& candidatePath) const {
  if (!m_bMayBeInFolder) return false;
  if (m_identity && m_identity->links > 1) return std::nullopt;
  // A trailing dot or blank goes as Windows drops it; no disk access.
  const std::wstring full = FullPathOf(candidatePath);
  const std::wstring name = full.substr(FolderOfPath(full).size());
  if (SameTextIgnoringCase(name, m_strName)) return true;
  // A short alias always holds a tilde; only such a name needs the identity.
  if (name.find(L'~') == std::wstring::npos) return false;
  return std::nullopt;
}

bool ExcludedFile::SameIdentity(const std::optional<FileIdentity>& candidate,
                                const std::wstring& candidatePath) const {
  if (m_identity && candidate) return candidate->SameFileAs(*m_identity);
  const std::wstring normalized = NormalizedPath(candidatePath);
  return SameTextIgnoringCase(normalized.substr(FolderOfPath(normalized).size()), m_strName);
}

bool ExcludedFile::Is(const std::wstring& candidate) const {
  if (const std::optional<bool> answer = AnswerByName(candidate)) return *answer;
  return SameIdentity(IdentityOfPath(candidate), candidate);
}

bool ExcludedFile::Is(const File& candidate, const std::wstring& candidatePath) const {
  if (const std::optional<bool> answer = AnswerByName(candidatePath)) return *answer;
  return SameIdentity(IdentityOfHandle(candidate.Handle()), candidatePath);
}
