#include "print/print_listing.h"

#include "app/current_language.h"
#include "app/localized_text.h"
#include "framework/print_dialog.h"
#include "framework/string_format.h"
#include "print/listing_pages.h"
#include "print/page_layout.h"
#include "print/print_job.h"

#include <string>

namespace {

constexpr wchar_t kDocumentName[] = L"Directory";

}  // namespace

void PrintListing(CommandWindow& window) {
  UniqueCreatedDC printer = ChoosePrinter(window.OwnerWindow());
  if (!printer) return;

  const std::wstring folder = window.ListedFolder();
  const std::wstring pathText = ListingPathText(folder, window.ListedPattern());

  const int itemCount = window.ListedFileCount();
  if (itemCount <= 0) {
    // Counted before the document starts, so an empty list leaves no job behind.
    printer.reset();
    window.MessageBox(FormatText(Text(LocalizedText::NoFilesMatchedPrint, CurrentLanguage()), {pathText}),
                      Text(LocalizedText::PrintTitle, CurrentLanguage()), MB_OK | MB_ICONINFORMATION);
    return;
  }

  // The font and page measures are settled before the document starts.
  const ListingPages pages(printer.get());
  PrintJob job(printer.get(), kDocumentName);
  if (!job.Started()) return;
  pages.Draw(window, folder, pathText, [&](int) { job.NewPage(); });
  job.Finish();
}
