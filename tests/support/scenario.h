// Runs a piece of user interface on the test's thread while a simulated user
// drives it from another, and makes sure that neither can hang the test.
#pragma once
#include <chrono>
#include <functional>

namespace usersim {

class User;

inline constexpr std::chrono::milliseconds kScenarioLimit{60000};

// Starts `script` on a thread of its own with a User of this process, runs
// `ui` (typically a modal dialog) on the calling thread, and returns when
// both have ended.
// - When the script fails (a fatal GoogleTest failure, or the user gave up),
//   the user cancels the windows still open so that `ui` returns.
// - When the script ends but `ui` goes on, the scenario fails and the user
//   cancels the windows too.
// - When the whole does not end within `limit`, or the windows do not close,
//   the titles and classes of the process's windows go to stderr and the
//   process ends with exit code 3.
void RunUserScenario(const std::function<void(User&)>& script, const std::function<void()>& ui,
                     std::chrono::milliseconds limit = kScenarioLimit);

}  // namespace usersim
