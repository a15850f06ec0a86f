// Owner of a kernel object handle (process, thread, event) for the tests.
#pragma once
#include "framework/unique_handles.h"

namespace usersim {

using KernelHandle = UniqueKernelHandle;

}  // namespace usersim
