// Telling a form's components the page shown ("SetNewPosition") with work in proportion
// to what changes: the wizard keeps, per page, which of its page-aware controls are shown
// there, and which may still need hiding, and leaves the others alone, since for a control
// that is hidden and parked the call would change nothing but the page it last took.
#pragma once

#include <cstdint>
#include <vector>

#include "host/core/Component.h"
#include "host/core/TypInfo.h"

namespace zelvant {

using host::Integer;

class TZelvant;
class TAposList;
struct TAPos;

/// What the wizard needs of a page-aware control to leave it out of a page change.
class IPagePlaced {
 public:
  /// The wizard the control is bound to, or nullptr.
  virtual TZelvant* Zelvant() const = 0;
  /// Per real page: shown or not, and where.
  virtual TAposList* ShowContainer() const = 0;
  /// Hidden with nothing left to undo: taking the state of a page it is hidden on changes nothing.
  virtual bool Parked() const = 0;
  /// The real page the control last took its state from.
  virtual Integer AktPage() const = 0;
  /// Takes the state of real page page, which its list holds as shown (or, nullptr, hidden).
  virtual void TakePage(Integer page, const TAPos* shown) = 0;
  /// The wizard's plan lists the control at slot; aktPage is the page it took last, as of serial.
  virtual void Planned(Integer slot, Integer aktPage, std::uint64_t serial) = 0;

 protected:
  ~IPagePlaced() = default;
};

/// The components of one wizard's form that take the page shown, and who needs telling.
class TPagePlacement {
 public:
  explicit TPagePlacement(const TZelvant& wizard) : wizard_(wizard) {}

  /// Calls "SetNewPosition" (page) on owner's components that publish it, the last
  /// component first, as a walk over all of them would, leaving out the wizard's own
  /// page-aware controls that are hidden on page and parked. A call that changes the
  /// form's list, or a page change from within a call, makes the rest of the walk go by
  /// index over the live list and call every publisher.
  void Announce(host::TComponent& owner, Integer page);
  /// A control of this wizard, listed at slot, may have left its parked state: the next
  /// page change calls it.
  void Unparked(Integer slot, const host::TComponent* control);
  /// A component leaves the wizard's form: a control of this wizard keeps the page it took
  /// last as it stands now, whatever page changes come later.
  void Leaving(host::TComponent& control);
  /// The page the control listed at slot took last: the page of the last page change
  /// when that change left it out, else aktPage, which it took at serial.
  Integer AktPageOf(Integer slot, const host::TComponent* control, std::uint64_t serial, Integer aktPage) const;
  /// Counts the page changes announced.
  std::uint64_t Serial() const { return serial_; }
  /// The form's jump radio buttons that may be enabled, in component order: all but the
  /// wizard's own that are parked (and so disabled). Empty result and false when the
  /// plan is out of date for owner: then they have to be looked for.
  bool RadiosThatMayBeEnabled(const host::TComponent& owner, std::vector<host::TComponent*>& radios) const;

 private:
  struct Entry {
    host::TComponent* component;
    const host::TMethodInfoOf<void(Integer)>* method;
    Integer index;         // in the owner's list when the plan was made
    IPagePlaced* placed;   // nullptr: called by name on every page change
  };
  // A slot to call, with the record of the page when the slot's control is shown there.
  struct Call {
    Integer slot;
    const TAPos* shown;
    bool operator<(const Call& other) const { return slot < other.slot; }
  };
  IPagePlaced* OneOfOurs(host::TComponent& c) const;
  bool Current(const host::TComponent& owner) const;
  void Rebuild(host::TComponent& owner);
  void MarkActive(Integer slot);
  void GatherCalls(Integer page);
  void CallRest(host::TComponent& owner, Integer below, Integer page);
  void Place(const Entry& e, Integer page, const TAPos* shown);
  bool LeftOut(Integer slot, const host::TComponent* control, std::uint64_t serial) const;

  const TZelvant& wizard_;
  host::TMethodCache<void(Integer)> methods_{"SetNewPosition"};
  const host::TComponent* owner_ = nullptr;
  std::uint64_t ownerStamp_ = 0;
  std::uint64_t listsStamp_ = 0;
  bool valid_ = false;
  bool walking_ = false;
  bool spoiled_ = false;  // a page change from within a call
  std::vector<Entry> entries_;
  std::vector<Integer> radios_;            // slots of jump radio buttons
  std::vector<Call> always_;               // slots called on every page change
  std::vector<std::vector<Call>> shown_;   // per real page, the slots shown there
  std::vector<Call> active_;               // slots that may not be parked
  std::vector<char> isActive_;
  std::vector<Call> calls_;
  std::vector<Call> merged_;
  std::uint64_t serial_ = 0;
  Integer page_ = 0;
  Integer previousPage_ = 0;
  // The walk of the last page change stopped (an exception) at this index of the owner's
  // list: the components below it were not reached. -1: it ran through.
  Integer stoppedAt_ = -1;
  Integer calling_ = -1;
};

}  // namespace zelvant
