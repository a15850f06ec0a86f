// The stranded files of a folder on disk (stranded_files.h), settled when the
// program starts and before a command writes into the folder.
#pragma once
#include "app/stranded_files.h"
#include "framework/win32.h"

#include <string>
#include <vector>

// `folder` is a full path, with or without its final backslash.
std::vector<StrandedFile> SettleStrandedFilesIn(const std::wstring& folder);
// One message box for all the files the user must hear of; none when there are none.
void ReportStrandedFiles(HWND owner, const std::wstring& folder, const std::vector<StrandedFile>& files);
// Both at once. True when the folder's files changed, and a listing of it is out of date.
bool SettleStrandedFilesBeforeWriting(HWND owner, const std::wstring& folder);
