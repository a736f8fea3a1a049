// Asks for memory that a walk over thousands of objects will reach a few steps later, so
// that it does not wait on each object in turn once they have left the cache.
#pragma once

namespace host {

// The first `lines` cache lines from p on. Asking past the end of a small object costs
// nothing: a prefetch never faults.
inline void Prefetch(const void* p, int lines = 1) {
#if defined(__GNUC__)
  const char* line = static_cast<const char*>(p);
  for (int i = 0; i < lines; ++i) __builtin_prefetch(line + 64 * i);
#else
  (void)p;
  (void)lines;
#endif
}

}  // namespace host
