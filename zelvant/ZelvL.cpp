#include "ZelvL.h"

#include <algorithm>
#include <bit>
#include <type_traits>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>

#include "host/core/ClassBuilder.h"

namespace zelvant {

using namespace host;

const std::array<std::string, 3> kindname = {"Normal", "First", "Last"};

HOST_PUBLISHED(TPageList) {}
HOST_PUBLISHED(TAposList) {}
HOST_PUBLISHED(TIntegerList) {}

namespace {

// Reads N little-endian 32-bit values; a short payload raises the read error before
// anything is kept.
template <size_t N>
std::array<Integer, N> GetInt32s(TStream& stream) {
  if (stream.Remaining() < static_cast<std::int64_t>(4 * N)) throw EReadError("Stream read error");
  std::array<Integer, N> values{};
  for (Integer& v : values) v = ReadInt32LE(stream);
  return values;
}

// A stored count: a negative one would leave Count and the entries disagreeing for good.
Integer ReadCount(TReader& reader, const char* name) {
  Integer n = reader.ReadInteger();
  if (n < 0) throw EReadError(std::string("Invalid ") + name + " " + IntToStr(n));
  return n;
}

// A stored count above 0 announces a "Data" property after it.
void RequireData(TReader& reader, const char* count, Integer n) {
  if (n > 0) reader.RequireProperty("Data", std::string(count) + " is " + IntToStr(n));
}

// "Data" must hold exactly the records its count announced.
void CheckPayloadEnd(TStream& stream) {
  if (stream.Remaining() > 0) throw EReadError("Data holds more records than its count");
}

void* IntSlot(Integer value) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(value)); }
Integer SlotInt(void* slot) { return static_cast<Integer>(reinterpret_cast<std::intptr_t>(slot)); }

}  // namespace

// ---------------------------------------------------------------------------
// TPageList

TPageList::~TPageList() { Clear(); }

void TPageList::AddPage(const TPage& page) {
  auto copy = std::make_unique<TPage>(page);
  List.Add(copy.release());
  ++Count;
}

void TPageList::InsertPage(Integer index, const TPage& page) {
  auto copy = std::make_unique<TPage>(page);
  List.Insert(index, copy.get());
  copy.release();
  ++Count;
}

void TPageList::DelPage(Integer index) {
  if (Count <= 0) return;
  TPage* record = static_cast<TPage*>(List.Items(index));
  List.Delete(index);
  delete record;
  --Count;
}

void TPageList::ExchPage(Integer index1, Integer index2) { List.Exchange(index1, index2); }

void TPageList::Clear() {
  for (Integer i = List.Count() - 1; i >= 0; --i) delete static_cast<TPage*>(List.Items(i));
  List.Clear();
}

void TPageList::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "NumPages",
      [this](TReader& r) {
        ReadNumPages(r);
        RequireData(r, "NumPages", Count);
      }, [this](TWriter& w) { WriteNumPages(w); }, true);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadBinaryData(s); }, [this](TStream& s) { WriteBinaryData(s); }, Count > 0);
}

void TPageList::ReadNumPages(TReader& reader) {
  Integer n = ReadCount(reader, "NumPages");
  // The records held before loading go now, so that a stored empty list loads empty.
  Clear();
  Count = n;
}

void TPageList::WriteNumPages(TWriter& writer) { writer.WriteInteger(Count); }

void TPageList::ReadBinaryData(TStream& stream) {
  Clear();
  const Integer n = Count;
  for (Integer i = 0; i < n; ++i) {
    std::array<Integer, 2> v;
    try {
      v = GetInt32s<2>(stream);
    } catch (const EReadError&) {
      Count = List.Count();  // keep Count and the records that were read in step
      throw;
    }
    List.Add(new TPage{v[0], v[1]});
  }
  CheckPayloadEnd(stream);
}

void TPageList::WriteBinaryData(TStream& stream) {
  for (Integer i = 0; i < Count; ++i) {
    WriteInt32LE(stream, GetNumber(i));
    WriteInt32LE(stream, GetGotoPage(i));
  }
}

// ---------------------------------------------------------------------------
// TAposList

namespace {
std::uint64_t positionChanges = 0;
}

void TAposEntries::Touch() { ++positionChanges; }

std::uint64_t TAposList::ChangeStamp() { return positionChanges; }

// The records of one read, back to back after a count of those still in use.
struct TAposList::Block {
  Integer size;
  Integer live;
  TAPos* Records() { return reinterpret_cast<TAPos*>(this + 1); }
  bool Holds(const TAPos* record) {
    const std::less<const TAPos*> below;
    return !below(record, Records()) && below(record, Records() + size);
  }
  static Block* Make(Integer size) {
    static_assert(alignof(TAPos) <= alignof(Block) && sizeof(Block) % alignof(TAPos) == 0);
    void* memory = ::operator new(sizeof(Block) + static_cast<size_t>(size) * sizeof(TAPos));
    return new (memory) Block{size, 0};
  }
};

TAposList::TAposList() { TAposEntries::Touch(); }

TAposList::~TAposList() { Clear(); }

void TAposList::Release(TAPos* record) {
  if (FBlock && FBlock->Holds(record)) {
    if (--FBlock->live > 0) return;
    ::operator delete(FBlock);
    FBlock = nullptr;
    return;
  }
  delete record;
}

void TAposList::AddAPos(const TAPos& apos) {
  auto copy = std::make_unique<TAPos>(apos);
  List.Add(copy.release());
  ++Count;
}

void TAposList::DelAPos(Integer index) {
  if (index >= Count) return;
  TAPos* record = static_cast<TAPos*>(List.Items(index));
  List.Delete(index);
  Release(record);
  --Count;
}

void TAposList::Clear() {
  const TList& entries = List;  // walked once, without counting each look as a change
  for (void* entry : entries) {
    auto* record = static_cast<TAPos*>(entry);
    if (!FBlock || !FBlock->Holds(record)) delete record;
  }
  List.Clear();
  Count = 0;
  // The block goes with its records, and with any taken out of List by hand.
  if (FBlock) {
    ::operator delete(FBlock);
    FBlock = nullptr;
  }
}

void TAposList::SetApos(Integer index, const TAPos& apos) {
  TAposEntries::Touch();
  *Entry(index) = apos;
}

void TAposList::SetPlace(Integer index, Integer left, Integer top) {
  TAPos& entry = *Entry(index);
  entry.Left = left;
  entry.Top = top;
}

void TAposList::SetNumApos(Integer value) {
  if (value < 0) value = 0;
  if (value > Count) {
    if (value > List.Capacity()) List.SetCapacity(value);
    if (List.Count() == 0 && !FBlock) {
      // A list filled from empty (a new control) takes its records in one block.
      std::fill_n(AdoptBlock(value), value, TAPos{0, 0, 0});
    } else {
      for (Integer i = Count; i < value; ++i) AddAPos(TAPos{0, 0, 0});
    }
  } else {
    while (value < Count) DelAPos(Count - 1);
  }
  Count = value;
  TAposEntries::Touch();
}

// Makes a block of n records for the caller to fill and enters all of them in List.
TAPos* TAposList::AdoptBlock(Integer n) {
  FBlock = Block::Make(n);
  FBlock->live = n;
  TAPos* records = FBlock->Records();
  List.Touch();
  for (Integer i = 0; i < n; ++i) List.TList::Add(records + i);
  Count = List.Count();
  return records;
}

void TAposList::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "NumApos",
      [this](TReader& r) {
        ReadNumAPos(r);
        RequireData(r, "NumApos", Count);
      }, [this](TWriter& w) { WriteNumAPos(w); }, true);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadBinaryData(s); }, [this](TStream& s) { WriteBinaryData(s); }, Count > 0);
}

// The records of one whole block, in order, and nothing else, as a new control's list
// is: a read of as many records can fill them in place.
bool TAposList::IsWholeBlock() const {
  if (!FBlock || FBlock->live != FBlock->size || List.Count() != FBlock->size) return false;
  const TAPos* record = FBlock->Records();
  const TList& entries = List;
  for (void* entry : entries)
    if (entry != record++) return false;
  return true;
}

void TAposList::ReadNumAPos(TReader& reader) {
  Integer n = ReadCount(reader, "NumApos");
  // A stored empty list loads empty; records kept for the "Data" that follows are all overwritten.
  if (n != List.Count() || !IsWholeBlock()) Clear();
  Count = n;
}

void TAposList::WriteNumAPos(TWriter& writer) { writer.WriteInteger(Count); }

namespace {

// n stored records: three little-endian 32-bit values each, which is the records' own
// layout on a little-endian machine.
void ReadAposRecords(TStream& stream, TAPos* records, Integer n) {
  static_assert(sizeof(TAPos) == 12 && std::is_standard_layout_v<TAPos>);
  if constexpr (std::endian::native == std::endian::little) {
    stream.ReadBuffer(records, std::int64_t{n} * 12);
  } else {
    for (Integer i = 0; i < n; ++i) {
      const auto v = GetInt32s<3>(stream);
      records[i] = TAPos{v[0], v[1], v[2]};
    }
  }
}

}  // namespace

// The n records read go into one block and List takes exactly n entries.
void TAposList::ReadBinaryData(TStream& stream) {
  const Integer n = Count;
  // A count the payload cannot hold gets room only for what is there, then its read error.
  const Integer room = static_cast<Integer>(std::min<std::int64_t>(n, stream.Remaining() / 12));
  if (room == n && n > 0 && n == List.Count() && IsWholeBlock()) {
    ReadAposRecords(stream, FBlock->Records(), n);
    TAposEntries::Touch();
    CheckPayloadEnd(stream);
    return;
  }
  Clear();
  List.SetCapacity(room);
  if (room > 0) ReadAposRecords(stream, AdoptBlock(room), room);  // the payload holds them all
  if (room < n) GetInt32s<3>(stream);  // raises: the records read stay
  CheckPayloadEnd(stream);
}

void TAposList::WriteBinaryData(TStream& stream) {
  for (Integer i = 0; i < Count; ++i) {
    const TAPos& p = *Entry(i);
    WriteInt32LE(stream, p.Left);
    WriteInt32LE(stream, p.Top);
    WriteInt32LE(stream, p.Show);
  }
}

// ---------------------------------------------------------------------------
// TIntegerList

TIntegerList::TIntegerList(std::initializer_list<Integer> values) {
  for (Integer v : values) Add(v);
}

void TIntegerList::Add(Integer value) {
  List.Add(IntSlot(value));
  ++Count;
}

void TIntegerList::Insert(Integer index, Integer value) {
  List.Insert(index, IntSlot(value));
  ++Count;
}

void TIntegerList::Del(Integer index) {
  if (index >= Count) return;
  List.Delete(index);
  --Count;
}

void TIntegerList::Clear() {
  List.Clear();
  Count = 0;
}

Integer TIntegerList::GetInteger(Integer index) const { return SlotInt(List.Items(index)); }
void TIntegerList::SetInteger(Integer index, Integer value) { List.Put(index, IntSlot(value)); }
void TIntegerList::exchange(Integer index1, Integer index2) { List.Exchange(index1, index2); }

void TIntegerList::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TIntegerList*>(source)) {
    if (other == this) return;
    Clear();
    for (Integer i = 0; i < other->Count; ++i) Add(other->GetInteger(i));
    return;
  }
  TPersistent::Assign(source);
}

void TIntegerList::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Num",
      [this](TReader& r) {
        ReadNum(r);
        RequireData(r, "Num", Count);
      },
      [this](TWriter& w) { WriteNum(w); }, true);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadBinaryData(s); }, [this](TStream& s) { WriteBinaryData(s); }, Count > 0);
}

void TIntegerList::ReadNum(TReader& reader) {
  Integer n = ReadCount(reader, "Num");
  Clear();  // a stored empty list loads empty, not with the entries made before loading
  Count = n;
}

void TIntegerList::WriteNum(TWriter& writer) { writer.WriteInteger(Count); }

void TIntegerList::ReadBinaryData(TStream& stream) {
  const Integer n = Count;
  Clear();
  for (Integer i = 0; i < n; ++i) Add(GetInt32s<1>(stream)[0]);
  CheckPayloadEnd(stream);
}

void TIntegerList::WriteBinaryData(TStream& stream) {
  for (Integer i = 0; i < Count; ++i) WriteInt32LE(stream, GetInteger(i));
}

}  // namespace zelvant
