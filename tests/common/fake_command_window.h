// A stand-in for the main window, as a command sees it: a list of names in
// a folder, and a record of what the command asked of the window (each
// message box's text, each file error's name).
#pragma once
#include "app/command_window.h"

#include <string>
#include <utility>
#include <vector>

class FakeCommandWindow : public CommandWindow {
 public:
  FakeCommandWindow(std::wstring folder, std::vector<std::wstring> names)
      : m_folder(std::move(folder)), m_names(std::move(names)) {}

  HWND OwnerWindow() const override { return nullptr; }
  int MessageBox(std::wstring_view text, std::wstring_view, UINT) const override {
    m_messages.emplace_back(text);
    return m_answer;
  }
  void ShowFileError(std::wstring_view name, const FileException&, const wchar_t*) const override {
    m_messages.emplace_back(name);
  }
  int ListedFileCount() const override { return static_cast<int>(m_names.size()); }
  std::wstring ListedFileName(int position) const override {
    return m_names.at(static_cast<std::size_t>(position));
  }
  std::vector<int> SelectedFilePositions() const override { return {}; }
  std::optional<int> FocusedFilePosition() const override { return std::nullopt; }
  std::wstring ListedFolder() const override { return m_folder; }
  std::wstring TypedPattern() const override { return L"*.*"; }
  std::wstring ListedPattern() const override { return L"*.*"; }
  void Refresh() override {}
  void FillLists() override {}
  void EnableSelectionCommands(bool) override {}

  const std::vector<std::wstring>& Messages() const { return m_messages; }
  // What every message box answers from now on.
  void AnswerWith(int answer) { m_answer = answer; }

 private:
  std::wstring m_folder;
  std::vector<std::wstring> m_names;
  mutable std::vector<std::wstring> m_messages;
  int m_answer = IDOK;
};
