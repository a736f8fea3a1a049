// A component that publishes one list of each kind, to store them in real form files.
#pragma once

#include "host/core/Component.h"
#include "zelvant/ZelvL.h"

namespace zelvant_test {

class TListHolder : public host::TComponent {
  HOST_CLASS(TListHolder, host::TComponent)
  explicit TListHolder(host::TComponent* owner) : host::TComponent(owner) {}
  zelvant::TPageList* WayList() const { return const_cast<zelvant::TPageList*>(&wayList_); }
  zelvant::TAposList* ShowContainer() const { return const_cast<zelvant::TAposList*>(&positions_); }
  zelvant::TIntegerList* BLWizard() const { return const_cast<zelvant::TIntegerList*>(&layout_); }

 private:
  zelvant::TPageList wayList_;
  zelvant::TAposList positions_;
  zelvant::TIntegerList layout_;
};

}  // namespace zelvant_test
