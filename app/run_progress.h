// What a run over many files tells its progress window and asks of it. The
// runs see only this, so they can be driven without a window.
#pragma once
#include <string>

class RunProgress {
 public:
  // The item in hand.
  virtual void SetStatus(std::wstring text) = 0;
  // After the item at `index` of `count`.
  virtual void SetPosition(int index, int count) = 0;
  // Whether Cancel was pressed since the last poll.
  virtual bool TakeCancelRequest() = 0;
  // Shows the latest item and position at once, before the run stops for the
  // user: the bar and the status line then agree with the box.
  virtual void ShowLatest() = 0;

 protected:
  ~RunProgress() = default;
};
