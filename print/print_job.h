// One document on a printer's device context. No job is ever left open:
// leaving the scope without Finish() abandons the document (AbortDoc).
#pragma once
#include "framework/win32.h"

#include <string_view>

class PrintJob {
 public:
  // Starts the document; check Started() before drawing.
  PrintJob(HDC printer, std::wstring_view documentName);
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  ~PrintJob();

  bool Started() const { return m_started; }

  // Ends the page in progress, if any, and starts the next one.
  void NewPage();
  // Ends the last page and hands the document to the spooler.
  void Finish();

 private:
  HDC m_printer;
  bool m_started = false;
  bool m_pageOpen = false;
};
