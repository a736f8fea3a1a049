// TList's room for entries: set exactly, growing or shrinking, never below what it holds.
#include <gtest/gtest.h>

#include "host/core/Lists.h"

using namespace host;

TEST(ListCapacity, SetExactlyBothWaysKeepingTheEntries) {
  TList list;
  int a = 1, b = 2;
  list.SetCapacity(32);
  EXPECT_EQ(list.Capacity(), 32);
  list.Add(&a);
  list.Add(&b);
  list.SetCapacity(2);
  EXPECT_EQ(list.Capacity(), 2);
  EXPECT_EQ(list.Items(0), &a);
  EXPECT_EQ(list.Items(1), &b);
  EXPECT_THROW(list.SetCapacity(1), EListError);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Capacity(), 2);
}
