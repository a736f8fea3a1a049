// Page-data lists of the wizard: the way list, the per-page positions of a control
// and a plain integer list, each stored in form files as a count and binary "Data".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "host/streaming/Filer.h"
#include "host/core/Lists.h"

namespace zelvant {

using host::Integer;

// Way-list codes of TPage::GotoPage; n >= 1 goes to way-list position n.
constexpr Integer gpNext = -3;
constexpr Integer gpFinish = -2;
constexpr Integer gpAsk = -1;
constexpr Integer gpDialog = 0;

// One way-list row: the page shown at that position and what Next does there.
struct TPage {
  Integer Number = 0;
  Integer GotoPage = 0;
};

// The wizard's way list. `Count` is kept beside `List`: `Clear` empties `List` but
// leaves `Count`, so code that wants an empty list also sets `Count` := 0.
class TPageList : public host::TPersistent {
  HOST_CLASS(TPageList, host::TPersistent)

  TPageList() = default;
  ~TPageList() override;

  Integer Count = 0;
  host::TList List;  // of TPage*, owned

  Integer GetNumber(Integer index) const { return Record(index).Number; }
  Integer GetGotoPage(Integer index) const { return Record(index).GotoPage; }
  TPage& Record(Integer index) const { return *static_cast<TPage*>(List.Items(index)); }
  void AddPage(const TPage& page);
  // Inserts a copy before index; index equal to the number of entries appends.
  void InsertPage(Integer index, const TPage& page);
  // Does nothing while Count <= 0.
  void DelPage(Integer index);
  void ExchPage(Integer index1, Integer index2);
  void Clear();

  void DefineProperties(host::TFiler& filer) override;
  void ReadNumPages(host::TReader& reader);
  void WriteNumPages(host::TWriter& writer);
  void ReadBinaryData(host::TStream& stream);
  void WriteBinaryData(host::TStream& stream);
};

// One page's state of a page-aware control.
struct TAPos {
  Integer Left = 0;
  Integer Top = 0;
  Integer Show = 0;  // 1: shown on that page
};

// The entries of a position list: a TList of TAPos pointers. Whatever hands out a record
// to change, or changes the entries, counts as a change of position lists (see
// TAposList::ChangeStamp), so that what was worked out from them is worked out again.
class TAposEntries : public host::TList {
 public:
  void* Items(Integer index) const {
    Touch();
    return TList::Items(index);
  }
  void* operator[](Integer index) const { return Items(index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  void Put(Integer index, void* item) {
    Touch();
    TList::Put(index, item);
  }
  Integer Add(void* item) {
    Touch();
    return TList::Add(item);
  }
  void Insert(Integer index, void* item) {
    Touch();
    TList::Insert(index, item);
  }
  void Delete(Integer index) {
    Touch();
    TList::Delete(index);
  }
  Integer Remove(void* item) {
    Touch();
    return TList::Remove(item);
  }
  void Exchange(Integer index1, Integer index2) {
    Touch();
    TList::Exchange(index1, index2);
  }
  void Move(Integer curIndex, Integer newIndex) {
    Touch();
    TList::Move(curIndex, newIndex);
  }
  void Clear() {
    Touch();
    TList::Clear();
  }
  void SetCount(Integer count) {
    Touch();
    TList::SetCount(count);
  }
  auto begin() const {
    Touch();
    return TList::begin();
  }
  auto end() const { return TList::end(); }

  static void Touch();
};

// Per-page positions of one page-aware control; entry i belongs to real page i.
// Records are allocated one by one, except those read from a form file: they share one
// block, which goes when the last of them is freed.
class TAposList : public host::TPersistent {
  HOST_CLASS(TAposList, host::TPersistent)

  TAposList();
  ~TAposList() override;

  Integer Count = 0;
  TAposEntries List;  // of TAPos*, owned

  // A record to change in place (counts as a change of the list).
  TAPos& Record(Integer index) { return *static_cast<TAPos*>(List.Items(index)); }
  const TAPos& Record(Integer index) const { return *Entry(index); }
  void AddAPos(const TAPos& apos);
  // Ignores an index at or beyond Count.
  void DelAPos(Integer index);
  void Clear();
  TAPos GetApos(Integer index) const { return *Entry(index); }
  void SetApos(Integer index, const TAPos& apos);
  // Left and Top of entry index, as a control records where it stands on a page: which
  // pages show it stays as it was, so this is no change of the list's pages.
  void SetPlace(Integer index, Integer left, Integer top);
  // Makes the list hold value records: new ones hidden at (0, 0), the highest dropped.
  void SetNumApos(Integer value);

  void DefineProperties(host::TFiler& filer) override;
  void ReadNumAPos(host::TReader& reader);
  void WriteNumAPos(host::TWriter& writer);
  void ReadBinaryData(host::TStream& stream);
  void WriteBinaryData(host::TStream& stream);

  // Counts every change of any position list (records, entries, lists made or freed).
  static std::uint64_t ChangeStamp();

 private:
  struct Block;
  TAPos* Entry(Integer index) const { return static_cast<TAPos*>(List.TList::Items(index)); }
  void Release(TAPos* record);
  TAPos* AdoptBlock(Integer n);
  bool IsWholeBlock() const;
  Block* FBlock = nullptr;  // the records read from a form file, while any of them is left
};

// A list of signed 32-bit integers: history stack, button layouts, tab lines.
class TIntegerList : public host::TPersistent {
  HOST_CLASS(TIntegerList, host::TPersistent)

  TIntegerList() = default;
  TIntegerList(std::initializer_list<Integer> values);

  Integer Count = 0;
  host::TList List;  // each entry an integer held in the pointer-sized slot

  void Add(Integer value);
  void Insert(Integer index, Integer value);
  // Ignores an index at or beyond Count.
  void Del(Integer index);
  void Clear();
  Integer GetInteger(Integer index) const;
  void SetInteger(Integer index, Integer value);
  void exchange(Integer index1, Integer index2);
  void Assign(const host::TPersistent* source) override;

  void DefineProperties(host::TFiler& filer) override;
  void ReadNum(host::TReader& reader);
  void WriteNum(host::TWriter& writer);
  void ReadBinaryData(host::TStream& stream);
  void WriteBinaryData(host::TStream& stream);
};

using TPageChangeListEvent = host::TEvent<void()>;

extern const std::array<std::string, 3> kindname;

}  // namespace zelvant
