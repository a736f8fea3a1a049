// The page-data lists: operations, index errors and their stored formats inside form files.
#include <gtest/gtest.h>

#include <memory>

#include "ListHolder.h"

using namespace host;
using namespace zelvant;
using zelvant_test::TListHolder;

namespace {

const char* kEmptyForm =
    "object H: TListHolder\n"
    "  WayList.NumPages = 0\n"
    "  ShowContainer.NumApos = 0\n"
    "  BLWizard.Num = 0\n"
    "end\n";

std::string FormWith(const std::string& body) { return "object H: TListHolder\n" + body + "end\n"; }

std::unique_ptr<TListHolder> Load(const std::string& text) {
  return std::unique_ptr<TListHolder>(As<TListHolder>(ReadForm(text)));
}

}  // namespace

TEST(StoredLists, EmptyListsStoreTheirCountZeroAndNoData) {
  TListHolder h(nullptr);
  h.SetName("H");
  EXPECT_EQ(WriteForm(&h), kEmptyForm);
}

TEST(StoredLists, StoredExamplesByteForByteBothWays) {
  const std::string text = FormWith(
      "  WayList.NumPages = 2\n"
      "  WayList.Data = {\n"
      "    01000000FDFFFFFF02000000FEFFFFFF}\n"
      "  ShowContainer.NumApos = 3\n"
      "  ShowContainer.Data = {\n"
      "    6400000028000000010000000800000010000000010000000000000000000000\n"
      "    00000000}\n"
      "  BLWizard.Num = 3\n"
      "  BLWizard.Data = {\n"
      "    010000000200000008000000}\n");
  TListHolder h(nullptr);
  h.SetName("H");
  h.WayList()->AddPage({1, gpNext});
  h.WayList()->AddPage({2, gpFinish});
  h.ShowContainer()->AddAPos({100, 40, 1});
  h.ShowContainer()->AddAPos({8, 16, 1});
  h.ShowContainer()->AddAPos({0, 0, 0});
  for (Integer v : {1, 2, 8}) h.BLWizard()->Add(v);
  EXPECT_EQ(WriteForm(&h), text);

  auto loaded = Load(text);
  ASSERT_EQ(loaded->WayList()->Count, 2);
  EXPECT_EQ(loaded->WayList()->GetNumber(1), 2);
  EXPECT_EQ(loaded->WayList()->GetGotoPage(0), gpNext);
  ASSERT_EQ(loaded->ShowContainer()->Count, 3);
  EXPECT_EQ(loaded->ShowContainer()->GetApos(0).Left, 100);
  EXPECT_EQ(loaded->ShowContainer()->GetApos(1).Top, 16);
  EXPECT_EQ(loaded->ShowContainer()->GetApos(2).Show, 0);
  ASSERT_EQ(loaded->BLWizard()->Count, 3);
  EXPECT_EQ(loaded->BLWizard()->GetInteger(2), 8);
  EXPECT_EQ(WriteForm(loaded.get()), text);
}

TEST(StoredLists, LoadingReplacesWhatTheListsHeld) {
  // Three records loaded over five; a stored empty list over a full one loads empty.
  TListHolder h(nullptr);
  for (int i = 0; i < 5; ++i) {
    h.ShowContainer()->AddAPos({i, i, 1});
    h.BLWizard()->Add(i);
    h.WayList()->AddPage({i, gpAsk});
  }
  ReadForm(FormWith("  ShowContainer.NumApos = 3\n  ShowContainer.Data = {\n"
                    "    010000000100000001000000020000000200000001000000030000000300000000000000}\n"
                    "  BLWizard.Num = 0\n  WayList.NumPages = 0\n"),
           &h);
  EXPECT_EQ(h.ShowContainer()->Count, 3);
  EXPECT_EQ(h.ShowContainer()->List.Count(), 3);
  EXPECT_EQ(h.ShowContainer()->GetApos(2).Left, 3);
  EXPECT_EQ(h.BLWizard()->Count, 0);
  EXPECT_EQ(h.BLWizard()->List.Count(), 0);
  EXPECT_EQ(h.WayList()->Count, 0);
  EXPECT_EQ(h.WayList()->List.Count(), 0);
}

TEST(StoredLists, BadPayloadsAreReadErrorsNamingTheProperty) {
  struct Case {
    const char* body;
    const char* message;
  } cases[] = {
      {"  WayList.NumPages = 3\n  WayList.Data = {0100000002000000}\n", "WayList.Data: Stream read error"},
      {"  ShowContainer.NumApos = 1\n  ShowContainer.Data = {01000000}\n", "ShowContainer.Data: Stream read error"},
      {"  BLWizard.Num = 2\n  BLWizard.Data = {01000000}\n", "BLWizard.Data: Stream read error"},
      {"  BLWizard.Num = 1\n  BLWizard.Data = {0100000002000000}\n", "more records than its count"},
      {"  BLWizard.Num = -1\n", "BLWizard.Num: Invalid Num -1"},
      {"  ShowContainer.NumApos = 'x'\n", "Integer value expected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    try {
      Load(FormWith(c.body));
      ADD_FAILURE() << "no error";
    } catch (const EFormReadError& e) {
      EXPECT_EQ(e.Line(), 2 + (std::string(c.body).find("Data") != std::string::npos ? 1 : 0)) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(StoredLists, ShortPayloadKeepsCountInStepWithTheRecordsRead) {
  TPageList pages;
  pages.Count = 3;
  TMemoryStream data(std::vector<std::uint8_t>(12, 0));  // one and a half records
  EXPECT_THROW(pages.ReadBinaryData(data), EReadError);
  EXPECT_EQ(pages.Count, 1);
  EXPECT_EQ(pages.List.Count(), 1);
  TIntegerList ints;
  ints.Count = 3;
  TMemoryStream data2(std::vector<std::uint8_t>(6, 0));
  EXPECT_THROW(ints.ReadBinaryData(data2), EReadError);
  EXPECT_EQ(ints.Count, 1);
}

TEST(PageList, OperationsAndTheirExceptions) {
  TPageList list;
  TPage page{1, gpNext};
  list.AddPage(page);
  page.Number = 99;  // the list keeps its own copy
  EXPECT_EQ(list.GetNumber(0), 1);
  list.InsertPage(1, {3, gpFinish});  // index == entries appends
  list.InsertPage(0, {2, gpAsk});     // first
  ASSERT_EQ(list.Count, 3);
  EXPECT_EQ(list.GetNumber(0), 2);
  EXPECT_EQ(list.GetNumber(2), 3);
  EXPECT_THROW(list.InsertPage(5, page), EListError);
  EXPECT_EQ(list.Count, 3);
  EXPECT_THROW(list.GetGotoPage(3), EListError);
  EXPECT_THROW(list.DelPage(7), EListError);
  EXPECT_EQ(list.Count, 3);
  list.ExchPage(0, 2);
  EXPECT_EQ(list.GetNumber(0), 3);
  EXPECT_THROW(list.ExchPage(0, 3), EListError);
  list.DelPage(0);
  EXPECT_EQ(list.Count, 2);
  list.Clear();  // keeps Count, as the way-list editor expects
  EXPECT_EQ(list.List.Count(), 0);
  EXPECT_EQ(list.Count, 2);
  list.Count = 0;
  list.DelPage(0);  // nothing to delete: no error
  EXPECT_EQ(list.Count, 0);
}

TEST(AposList, SetNumAposGrowsHiddenAndShrinksFromTheTop) {
  TAposList list;
  list.SetNumApos(3);
  ASSERT_EQ(list.Count, 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(list.GetApos(i).Left, 0);
    EXPECT_EQ(list.GetApos(i).Show, 0);
  }
  list.SetApos(1, {5, 6, 1});
  list.SetNumApos(2);
  EXPECT_EQ(list.Count, 2);
  EXPECT_EQ(list.GetApos(1).Top, 6);
  list.SetNumApos(2);
  EXPECT_EQ(list.Count, 2);
  list.SetNumApos(-4);  // treated as zero
  EXPECT_EQ(list.Count, 0);
  EXPECT_EQ(list.List.Count(), 0);
}

TEST(AposList, IndexRules) {
  TAposList list;
  TAPos p{1, 2, 1};
  list.AddAPos(p);
  p.Left = 50;
  list.SetApos(0, p);
  p.Left = 60;  // only the copy changed
  EXPECT_EQ(list.GetApos(0).Left, 50);
  TAPos copy = list.GetApos(0);
  copy.Top = 77;
  EXPECT_EQ(copy.Top, 77);
  EXPECT_EQ(list.GetApos(0).Top, 2);
  list.DelAPos(1);  // equal to Count: ignored
  EXPECT_EQ(list.Count, 1);
  EXPECT_THROW(list.DelAPos(-1), EListError);
  EXPECT_THROW(list.GetApos(1), EListError);
  EXPECT_THROW(list.SetApos(1, p), EListError);
  list.Clear();
  EXPECT_EQ(list.Count, 0);
}

TEST(IntegerList, StackAndIndexRules) {
  TIntegerList list;
  list.Add(5);
  list.Insert(0, 4);  // first
  list.Insert(2, 6);  // at Count: appends
  EXPECT_EQ(list.Count, 3);
  EXPECT_EQ(list.GetInteger(0), 4);
  EXPECT_EQ(list.GetInteger(2), 6);
  list.Add(-7);
  EXPECT_EQ(list.GetInteger(list.Count - 1), -7);  // negative values survive the pointer slot
  list.Del(list.Count);                             // ignored
  EXPECT_EQ(list.Count, 4);
  EXPECT_THROW(list.Del(-1), EListError);
  EXPECT_THROW(list.Insert(9, 1), EListError);
  EXPECT_THROW(list.SetInteger(4, 1), EListError);
  EXPECT_THROW(list.exchange(0, 4), EListError);
  list.exchange(0, 3);
  EXPECT_EQ(list.GetInteger(0), -7);
  list.SetInteger(1, 10);
  EXPECT_EQ(list.GetInteger(1), 10);
  list.Clear();
  EXPECT_EQ(list.Count, 0);
}

TEST(ZelvL, KindNames) { EXPECT_EQ(kindname, (std::array<std::string, 3>{"Normal", "First", "Last"})); }
