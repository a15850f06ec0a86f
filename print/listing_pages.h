// The pages of the directory listing, drawn onto a device context: a
// printer's, or an in-memory metafile. The listing picks its own type size
// and measures its page on the device.
#pragma once
#include "app/command_window.h"
#include "framework/unique_handles.h"
#include "print/page_layout.h"

#include <functional>
#include <optional>
#include <string>

class ListingPages {
 public:
  // Selects the listing's font into `dc` for the object's lifetime.
  explicit ListingPages(HDC dc);

  const PageLayout& Layout() const { return m_layout; }

  // Draws a row per listed file of `folder`, under the header naming
  // `pathText`. `startPage` is called with each page's number before
  // anything of that page is drawn.
  void Draw(const CommandWindow& window, const std::wstring& folder, const std::wstring& pathText,
            const std::function<void(int page)>& startPage) const;

 private:
  PageLayout MeasureLayout();

  HDC m_dc;
  UniqueFont m_font;
  std::optional<ScopedSelectObject> m_selectedFont;
  PageLayout m_layout;
};
