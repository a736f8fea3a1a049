// Text form files: reading every value kind, canonical writing, loading order.
#include <gtest/gtest.h>

#include <memory>

#include "SampleClasses.h"

using namespace host;
using namespace sample;

namespace {

std::unique_ptr<TComponent> Read(const std::string& text) { return std::unique_ptr<TComponent>(ReadForm(text)); }

const char* kFull =
    "object Root1: TSampleRoot\n"
    "  Tag = 3\n"
    "  object G1: TGadget\n"
    "    Count = 12\n"
    "    Shape = shTriangle\n"
    "    Active = True\n"
    "    Shapes = [shCircle, shTriangle]\n"
    "    Caption = 'It''s'#13#10'two lines'\n"
    "    Inner.Size = 4\n"
    "    Inner.Blob = {\n"
    "      0102FF}\n"
    "    Lines.Strings = (\n"
    "      'one'\n"
    "      ''\n"
    "      'three')\n"
    "    Buddy = G2\n"
    "    OnPing = GadgetPing\n"
    "    Extra = -5\n"
    "  end\n"
    "  object G2: TBigGadget\n"
    "    Weight = 9\n"
    "  end\n"
    "end\n";

}  // namespace

TEST(FormFile, ReadsEveryKindOfValueThroughTheSetters) {
  auto root = Read(kFull);
  ASSERT_EQ(root->ClassName(), "TSampleRoot");
  EXPECT_EQ(root->Name(), "Root1");
  EXPECT_EQ(root->Tag(), 3);
  ASSERT_EQ(root->ComponentCount(), 2);
  auto* g1 = As<TGadget>(root->Components(0));
  auto* g2 = As<TBigGadget>(root->Components(1));
  EXPECT_EQ(g1->Count(), 12);
  EXPECT_TRUE(g1->readingSeen);
  EXPECT_EQ(g1->Shape(), shTriangle);
  EXPECT_TRUE(g1->Active());
  EXPECT_EQ(g1->Shapes(), (TShapes{shCircle, shTriangle}));
  EXPECT_EQ(g1->Caption(), "It's\r\ntwo lines");
  EXPECT_EQ(g1->Inner()->Size(), 4);
  EXPECT_EQ(g1->Inner()->Blob, (std::vector<std::uint8_t>{1, 2, 0xFF}));
  EXPECT_EQ(g1->Lines()->Text(), "one\n\nthree\n");
  EXPECT_EQ(g1->Buddy(), g2);
  EXPECT_EQ(g1->Extra, -5);
  ASSERT_TRUE(g1->OnPing);
  g1->OnPing(g1);
  EXPECT_EQ(As<TSampleRoot>(root.get())->pings, 1);
  EXPECT_EQ(g2->Weight, 9);
  EXPECT_EQ(g2->Count(), 0);  // the re-published default does not apply to what the constructor set
}

TEST(FormFile, WritesTheCanonicalFormByteForByte) {
  auto root = Read(kFull);
  // G2's Count 0 differs from its re-published default 7, so it is written.
  std::string expected = std::string(kFull);
  expected.replace(expected.find("    Weight = 9\n"), 0, "    Count = 0\n");
  EXPECT_EQ(WriteForm(root.get()), expected);
  // And what was written reads back to the same text.
  auto again = Read(WriteForm(root.get()));
  EXPECT_EQ(WriteForm(again.get()), expected);
}

TEST(FormFile, ReaderAcceptsTheWholeSyntax) {
  auto root = Read(
      "INHERITED Root1: tsampleroot\n"
      "TAG=$10\n"
      "object G1:TGadget Count=-$2 Caption='a'+\n  'b'#$41#233 Shapes=[] Inner.Blob={ 01\n 23 } end\n"
      "inline G2: TGadget end\n"
      "END");
  EXPECT_EQ(root->Tag(), 16);
  auto* g1 = As<TGadget>(root->Components(0));
  EXPECT_EQ(g1->Count(), -2);
  EXPECT_EQ(g1->Caption(), "abA\xC3\xA9");
  EXPECT_EQ(g1->Inner()->Blob, (std::vector<std::uint8_t>{0x01, 0x23}));
  EXPECT_EQ(root->ComponentCount(), 2);
}

TEST(FormFile, StringsKeepPrintableAsciiQuotedAndWriteOthersAsCodes) {
  EXPECT_EQ(QuoteFormString(""), "''");
  EXPECT_EQ(QuoteFormString("a'b"), "'a''b'");
  EXPECT_EQ(QuoteFormString("\r\nx"), "#13#10'x'");
  EXPECT_EQ(QuoteFormString("caf\xC3\xA9"), "'caf'#233");
  EXPECT_EQ(QuoteFormString("\xE2\x82\xAC"), "#8364");
}

TEST(FormFile, LoadedRunsAfterReferencesInCreationOrderWithLoadingStillSet) {
  loadLog.clear();
  auto root = Read(
      "object R: TSampleRoot\n"
      "  object B: TGadget Buddy = C end\n"
      "  object C: TGadget end\n"
      "end\n");
  EXPECT_EQ(loadLog, (std::vector<std::string>{"B:loading", "C:loading"}));
  EXPECT_EQ(As<TGadget>(root->FindComponent("B"))->Buddy(), root->FindComponent("C"));
  for (TComponent* c : root->ComponentList()) {
    EXPECT_FALSE(c->ComponentState().Contains(csLoading));
    EXPECT_FALSE(c->ComponentState().Contains(csReading));
  }
}

TEST(FormFile, ReadsIntoAnExistingRoot) {
  TSampleRoot root(nullptr);
  ReadForm("object Main: TSampleRoot\n  object G: TGadget\n    OnPing = GadgetPing\n  end\nend\n", &root);
  EXPECT_EQ(root.Name(), "Main");
  ASSERT_EQ(root.ComponentCount(), 1);
  As<TGadget>(root.Components(0))->OnPing(nullptr);
  EXPECT_EQ(root.pings, 1);
}

TEST(FormFile, DefaultsAndStoredRulesDecideWhatIsWritten) {
  TSampleRoot root(nullptr);
  auto* g = new TGadget(&root);
  g->SetName("G");
  g->SetHidden(5);     // never stored
  g->SetActive(false); // equals its default
  EXPECT_EQ(WriteForm(&root),
            "object TSampleRoot\n"
            "  object G: TGadget\n"
            "    Count = 0\n"
            "  end\n"
            "end\n");
}

TEST(FormFile, BinaryDataWrapsAtThirtyTwoBytesALine) {
  TSampleRoot root(nullptr);
  auto* g = new TGadget(&root);
  g->SetName("G");
  g->Inner()->Blob.assign(33, 0xAB);
  std::string text = WriteForm(&root);
  std::string line(64, 'A');
  for (size_t i = 1; i < line.size(); i += 2) line[i] = 'B';
  EXPECT_NE(text.find("    Inner.Blob = {\n      " + line + "\n      AB}\n"), std::string::npos) << text;
}

TEST(FormFile, EventsOfAnotherRootAreKeptByNameWhenAsked) {
  TReadOptions keep;
  keep.KeepUnboundEvents = true;
  std::unique_ptr<TComponent> root(
      ReadForm("object R: TSampleRoot\n  object G: TGadget\n    OnPing = Missing\n  end\nend\n", nullptr, keep));
  EXPECT_FALSE(As<TGadget>(root->Components(0))->OnPing);
  EXPECT_NE(WriteForm(root.get()).find("OnPing = Missing"), std::string::npos);
}

TEST(FormFile, UnknownRootClassUsesTheFallbackAndKeepsItsName) {
  TReadOptions opts;
  opts.FallbackRootClass = &TSampleRoot::StaticClassInfo();
  TReader reader("object W: TWizardForm\nend\n", opts);
  std::unique_ptr<TComponent> root(reader.ReadRootComponent());
  EXPECT_EQ(reader.RootClassName(), "TWizardForm");
  EXPECT_EQ(WriteForm(root.get(), reader.RootClassName()), "object W: TWizardForm\nend\n");
}

TEST(FormFile, StringsComeBackByteForByteWhetherOrNotTheyAreUtf8) {
  const std::string texts[] = {
      "caf\xE9",                  // a lone Latin-1 byte
      "\xC0\x80",                 // an overlong encoding of NUL
      "\xED\xA0\x80",             // an encoded surrogate
      "\xF7\xBF\xBF\xBF",         // beyond the last code point
      "end \xE2\x82",             // a sequence cut short
      "\xE9\xC3\xA9\xA9",         // invalid, valid, a stray continuation byte
      "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 'q' #1",  // valid UTF-8 and the quoting characters
  };
  for (const std::string& text : texts) {
    TSampleRoot root(nullptr);
    root.SetName("Root1");
    auto* g = new TGadget(&root);
    g->SetName("G1");
    g->SetCaption(text);
    g->Lines()->Add(text);
    const std::string stored = WriteForm(&root);
    auto loaded = Read(stored);
    auto* copy = As<TGadget>(loaded->FindComponent("G1"));
    EXPECT_EQ(copy->Caption(), text);
    EXPECT_EQ(copy->Lines()->Get(0), text);
    EXPECT_EQ(WriteForm(loaded.get()), stored);
  }
  // Valid characters outside printable ASCII are still written as codes.
  EXPECT_EQ(QuoteFormString("caf\xC3\xA9"), "'caf'#233");
  EXPECT_EQ(QuoteFormString("caf\xE9"), "'caf\xE9'");
}
