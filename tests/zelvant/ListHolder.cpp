#include "ListHolder.h"

#include "host/core/ClassBuilder.h"

namespace zelvant_test {

HOST_PUBLISHED(TListHolder) {
  P.Property("WayList", &TListHolder::WayList);
  P.Property("ShowContainer", &TListHolder::ShowContainer);
  P.Property("BLWizard", &TListHolder::BLWizard);
}

}  // namespace zelvant_test
