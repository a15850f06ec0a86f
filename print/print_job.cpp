#include "print/print_job.h"

#include "framework/print_text.h"

PrintJob::PrintJob(HDC printer, std::wstring_view documentName)
    : m_printer(printer), m_started(StartPrintDocument(printer, documentName)) {}

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
