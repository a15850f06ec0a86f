#include "print/print_job.h"

PrintJob::PrintJob(HDC printer, const std::string& documentName) : m_printer(printer) {
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName.c_str();
  document.lpszOutput = nullptr;
  m_started = StartDocA(m_printer, &document) > 0;
}

PrintJob::~PrintJob() {
  if (m_started) AbortDoc(m_printer);
}

void PrintJob::NewPage() {
  if (!m_started) return;
  if (m_pageOpen) EndPage(m_printer);
  StartPage(m_printer);
  m_pageOpen = true;
}

void PrintJob::Finish() {
  if (!m_started) return;
  if (m_pageOpen) EndPage(m_printer);
  m_pageOpen = false;
  EndDoc(m_printer);
  m_started = false;
}
