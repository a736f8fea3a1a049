// Page-data lists of the wizard: the way list, the per-page positions of a control
// and a plain integer list, each stored in form files as a count and binary "Data".
#pragma once

#include <array>
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

// Per-page positions of one page-aware control; entry i belongs to real page i.
class TAposList : public host::TPersistent {
  HOST_CLASS(TAposList, host::TPersistent)

  TAposList() = default;
  ~TAposList() override;

  Integer Count = 0;
  host::TList List;  // of TAPos*, owned

  TAPos& Record(Integer index) const { return *static_cast<TAPos*>(List.Items(index)); }
  void AddAPos(const TAPos& apos);
  // Ignores an index at or beyond Count.
  void DelAPos(Integer index);
  void Clear();
  TAPos GetApos(Integer index) const { return Record(index); }
  void SetApos(Integer index, const TAPos& apos) { Record(index) = apos; }
  // Makes the list hold value records: new ones hidden at (0, 0), the highest dropped.
  void SetNumApos(Integer value);

  void DefineProperties(host::TFiler& filer) override;
  void ReadNumAPos(host::TReader& reader);
  void WriteNumAPos(host::TWriter& writer);
  void ReadBinaryData(host::TStream& stream);
  void WriteBinaryData(host::TStream& stream);
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
