// Gives back the room a vector kept for growth once it is filled for good, as after a
// form is read: a list of thousands of entries holds up to as many again unused.
#pragma once

#include <vector>

namespace host {

template <class T>
void ReleaseSpareCapacity(std::vector<T>& v) {
  // Small lists keep their room: shrinking them would cost a copy for a few bytes.
  if (v.capacity() - v.size() > v.size() / 16 + 16) v.shrink_to_fit();
}

}  // namespace host
