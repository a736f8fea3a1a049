// Position records read from a form file share one block: freed one by one in any order,
// mixed with records added singly, changed in place, read over and stored back unchanged.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "host/core/Streams.h"
#include "zelvant/ZelvL.h"

using namespace host;
using namespace zelvant;

namespace {

using Records = std::vector<std::tuple<Integer, Integer, Integer>>;

Records Held(const TAposList& list) {
  Records r;
  for (Integer i = 0; i < list.Count; ++i) r.emplace_back(list.GetApos(i).Left, list.GetApos(i).Top, list.GetApos(i).Show);
  return r;
}

std::vector<std::uint8_t> Payload(const Records& records) {
  TMemoryStream out;
  TAposList list;
  for (const auto& [l, t, s] : records) list.AddAPos({l, t, s});
  list.WriteBinaryData(out);
  return out.Bytes();
}

// Reads records into list as a form file does: the count first, then "Data".
void Read(TAposList& list, const std::vector<std::uint8_t>& bytes, Integer count) {
  list.Count = count;
  TMemoryStream data(bytes);
  list.ReadBinaryData(data);
}

const Records kStored{{100, 40, 1}, {8, 16, 1}, {0, 0, 0}, {7, 9, 1}};

}  // namespace

TEST(AposListReadBlock, RecordsFreedInAnyOrderAmongSingleOnes) {
  const std::vector<std::vector<Integer>> orders{
      {0, 0, 0, 0, 0}, {4, 3, 2, 1, 0}, {2, 0, 2, 1, 0}, {1, 3, 0, 1, 0}, {4, 0, 0, 0, 0}};
  for (const auto& order : orders) {
    SCOPED_TRACE(::testing::PrintToString(order));
    TAposList list;
    Read(list, Payload(kStored), 4);
    list.AddAPos({5, 5, 1});  // allocated on its own
    Records model = kStored;
    model.emplace_back(5, 5, 1);
    ASSERT_EQ(Held(list), model);
    for (Integer index : order) {
      list.DelAPos(index);
      model.erase(model.begin() + index);
      ASSERT_EQ(Held(list), model);  // what is left is still readable
    }
    EXPECT_EQ(list.List.Count(), 0);
  }
}

TEST(AposListReadBlock, ShrinkingClearingAndReadingOverAReadList) {
  TAposList list;
  Read(list, Payload(kStored), 4);
  list.SetNumApos(2);
  list.SetNumApos(3);
  EXPECT_EQ(Held(list), (Records{{100, 40, 1}, {8, 16, 1}, {0, 0, 0}}));
  Read(list, Payload({{1, 2, 1}, {3, 4, 0}}), 2);  // the rest of the old block goes
  EXPECT_EQ(Held(list), (Records{{1, 2, 1}, {3, 4, 0}}));
  list.DelAPos(0);
  list.Clear();
  EXPECT_EQ(list.Count, 0);
  Read(list, Payload(kStored), 4);  // freed with the list
}

TEST(AposListReadBlock, RecordsChangedInPlaceAreStoredAsChanged) {
  TAposList list;
  Read(list, Payload(kStored), 4);
  static_cast<TAPos*>(list.List.Items(2))->Show = 1;
  list.Record(3).Left = -7;
  list.SetApos(0, {1, 1, 0});
  TMemoryStream out;
  list.WriteBinaryData(out);
  EXPECT_EQ(out.Bytes(), Payload({{1, 1, 0}, {8, 16, 1}, {0, 0, 1}, {-7, 9, 1}}));
}

TEST(AposListReadBlock, TheListTakesExactlyTheEntriesRead) {
  TAposList list;
  list.SetNumApos(40);  // as a control sizes it before its stored records arrive
  EXPECT_EQ(list.List.Capacity(), 40);
  Read(list, Payload(kStored), 4);
  EXPECT_EQ(list.List.Capacity(), 4);
  EXPECT_EQ(Held(list), kStored);
}

TEST(AposListReadBlock, ACountThePayloadCannotHoldIsAReadErrorAfterWhatIsThere) {
  for (Integer count : {2, 3, 100000000}) {
    SCOPED_TRACE(count);
    TAposList list;
    std::vector<std::uint8_t> bytes = Payload({{1, 2, 1}});
    bytes.resize(bytes.size() + 5);  // and part of another record
    EXPECT_THROW(Read(list, bytes, count), EReadError);
    EXPECT_EQ(Held(list), (Records{{1, 2, 1}}));
    EXPECT_EQ(list.List.Count(), 1);
    EXPECT_LE(list.List.Capacity(), 1) << "room only for what the payload holds";
  }
}

TEST(AposListReadBlock, ANewControlsRecordsAreFilledInPlaceOnlyWhenTheyAreStillOneWholeBlock) {
  TAposList fresh;
  fresh.SetNumApos(4);  // as a new control makes them
  const void* first = fresh.List.TList::Items(0);
  Read(fresh, Payload(kStored), 4);
  EXPECT_EQ(Held(fresh), kStored);
  EXPECT_EQ(fresh.List.TList::Items(0), first) << "the same records, overwritten";

  // Entries reordered, or one replaced by a single record: the read starts afresh and
  // still yields exactly the stored records, in their stored order.
  TAposList swapped;
  swapped.SetNumApos(4);
  swapped.List.Exchange(0, 3);
  Read(swapped, Payload(kStored), 4);
  EXPECT_EQ(Held(swapped), kStored);
  TAposList replaced;
  replaced.SetNumApos(4);
  replaced.DelAPos(3);
  replaced.AddAPos({9, 9, 9});
  Read(replaced, Payload(kStored), 4);
  EXPECT_EQ(Held(replaced), kStored);

  // A payload shorter than the records kept: the ones it holds, then the read error.
  TAposList shortRead;
  shortRead.SetNumApos(3);
  std::vector<std::uint8_t> bytes = Payload({{1, 2, 1}});
  bytes.resize(bytes.size() + 5);
  EXPECT_THROW(Read(shortRead, bytes, 3), EReadError);
  EXPECT_EQ(Held(shortRead), (Records{{1, 2, 1}}));
}
