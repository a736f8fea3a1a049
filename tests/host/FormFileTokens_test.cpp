// Reading form files token by token: values at the very end of the text, strings that
// need decoding beside plain ones, hex blocks in every layout, paths written with blanks,
// and where each fault is reported.
#include <gtest/gtest.h>

#include <memory>

#include "SampleClasses.h"

using namespace host;
using namespace sample;

namespace {

std::unique_ptr<TComponent> Read(const std::string& text) { return std::unique_ptr<TComponent>(ReadForm(text)); }

TGadget* Gadget(const std::unique_ptr<TComponent>& root) { return static_cast<TGadget*>(root->FindComponent("G")); }

// A gadget whose body is `body`, inside a root.
std::string WithGadget(const std::string& body) { return "object R: TSampleRoot\n  object G: TGadget\n" + body + "  end\nend"; }

struct Fault {
  int line;
  int column;
  std::string message;
};

Fault FaultOf(const std::string& text) {
  try {
    delete ReadForm(text);
  } catch (const EFormReadError& e) {
    return {e.Line(), e.Column(), e.what()};
  }
  return {0, 0, "no error"};
}

}  // namespace

TEST(FormFileTokens, TheLastTokenMayEndTheText) {
  // Keywords and names are case-insensitive and need no line break after them.
  EXPECT_EQ(Read("OBJECT R: TSampleRoot\nEnd")->Name(), "R");
  auto root = Read("object R: TSampleRoot object G: TGadget Count = 7 end end");
  EXPECT_EQ(Gadget(root)->Count(), 7);

  // A string or number running into the end of the text is reported where the
  // missing 'end' should stand, not read past the text.
  Fault f = FaultOf("object R: TSampleRoot\n  object G: TGadget\n    Caption = 'abc'");
  EXPECT_EQ(f.line, 3);
  EXPECT_EQ(f.column, 20);
  EXPECT_NE(f.message.find("end of file"), std::string::npos) << f.message;
  f = FaultOf("object R: TSampleRoot\n  object G: TGadget\n    Caption = 'abc");
  EXPECT_EQ(f.column, 15);
  EXPECT_NE(f.message.find("G.Caption: Unterminated string"), std::string::npos) << f.message;
  f = FaultOf("object R: TSampleRoot\n  object G: TGadget\n    Count = 12");
  EXPECT_EQ(f.column, 15);
  EXPECT_NE(f.message.find("end of file"), std::string::npos) << f.message;
}

TEST(FormFileTokens, DecodedStringsAndPlainStringsKeepTheirOwnValues) {
  // Plain items, items with doubled quotes, character codes and '+' continuations
  // follow each other; each keeps its own value.
  auto root = Read(WithGadget("    Caption = 'It''s' + #13#10'next'\n"
                              "    Lines.Strings = (\n      'plain'\n      'a''b'\n      #65'x'#$42\n"
                              "      'last one'\n      '')\n"));
  TGadget* g = Gadget(root);
  EXPECT_EQ(g->Caption(), "It's\r\nnext");
  ASSERT_EQ(g->Lines()->Count(), 5);
  EXPECT_EQ(g->Lines()->Strings(0), "plain");
  EXPECT_EQ(g->Lines()->Strings(1), "a'b");
  EXPECT_EQ(g->Lines()->Strings(2), "AxB");
  EXPECT_EQ(g->Lines()->Strings(3), "last one");
  EXPECT_EQ(g->Lines()->Strings(4), "");
}

TEST(FormFileTokens, PathsWrittenWithBlanksReadAsWrittenWithout) {
  auto root = Read(WithGadget("    Inner . Size = 4\n    Inner .Blob = {0102}\n"));
  EXPECT_EQ(Gadget(root)->Inner()->Size(), 4);
  EXPECT_EQ(Gadget(root)->Inner()->Blob, (std::vector<std::uint8_t>{1, 2}));
  // The error names the path joined as the writer would write it.
  Fault f = FaultOf(WithGadget("    Inner . Blob = {0G}\n"));
  EXPECT_EQ(f.line, 3);
  EXPECT_EQ(f.column, 22);
  EXPECT_NE(f.message.find("G.Inner.Blob: Invalid binary value 'G'"), std::string::npos) << f.message;
  f = FaultOf(WithGadget("    Inner .  Nothing = 1\n"));
  EXPECT_NE(f.message.find("G.Inner.Nothing: Property Nothing does not exist"), std::string::npos) << f.message;
}

TEST(FormFileTokens, HexBlocksDecodeInAnyLayout) {
  const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
      {"{}", {}},
      {"{ }", {}},
      {"{00ff7F}", {0x00, 0xFF, 0x7F}},
      {"{\n      0102\n      0304}", {1, 2, 3, 4}},
      {"{0102\r\n  03\t04 }", {1, 2, 3, 4}},
      {"{ab cd\nEF}", {0xAB, 0xCD, 0xEF}},
  };
  for (const auto& [block, bytes] : cases) {
    SCOPED_TRACE(block);
    auto root = Read(WithGadget(std::string("    Inner.Blob = ") + block + "\n    Count = 3\n"));
    EXPECT_EQ(Gadget(root)->Inner()->Blob, bytes);
    EXPECT_EQ(Gadget(root)->Count(), 3) << "the line after the block was not read";
  }
}

TEST(FormFileTokens, HexBlockFaultsAreReportedWhereTheyAre) {
  const struct {
    const char* block;
    int line;
    int column;
    const char* message;
  } cases[] = {
      {"{0102\n  030}", 4, 5, "Odd number of hex digits"},
      {"{0102\n  0304 5\n}", 4, 8, "Odd number of hex digits"},
      {"{0102\n  0304 5", 4, 8, "Odd number of hex digits"},
      {"{0102\n  03x4}", 4, 5, "Invalid binary value 'x'"},
      {"{0102\n  0x04}", 4, 4, "Invalid binary value 'x'"},
      {"{01\xC3\xA9}", 3, 21, "Invalid binary value #195"},
      {"{01\v02}", 3, 21, "Invalid binary value #11"},
      {"{0102\n  0304", 4, 7, "'}' expected"},
      {"{", 3, 19, "'}' expected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.block);
    Fault f = FaultOf("object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = " + std::string(c.block));
    EXPECT_EQ(f.line, c.line);
    EXPECT_EQ(f.column, c.column);
    EXPECT_NE(f.message.find(std::string("G.Inner.Blob: ") + c.message), std::string::npos) << f.message;
  }
}

TEST(FormFileTokens, NamesAfterAFailedRequirementOrReferenceStillNameTheirComponent) {
  // Both errors are raised after the property line was read, when only the reader's
  // record of it is left.
  Fault f = FaultOf(WithGadget("    Buddy = Nobody\n"));
  EXPECT_EQ(f.line, 3);
  EXPECT_EQ(f.column, 13);
  EXPECT_NE(f.message.find("Error reading G.Buddy: Component Nobody not found"), std::string::npos) << f.message;
  f = FaultOf(WithGadget("    Buddy =\n      G . Nobody\n"));
  EXPECT_NE(f.message.find("G.Buddy: Component G.Nobody not found"), std::string::npos) << f.message;
  // A property path written with blanks, resolved or not, after later lines were read.
  f = FaultOf(WithGadget("    Inner . Peer = Nobody\n    Inner.Size = 3\n    Caption = 'x'\n"));
  EXPECT_EQ(f.line, 3);
  EXPECT_NE(f.message.find("G.Inner.Peer: Component Nobody not found"), std::string::npos) << f.message;
  auto root = Read(WithGadget("    Inner . Peer = G\n    Caption = 'x'\n"));
  auto* g = dynamic_cast<TGadget*>(root->FindComponent("G"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Inner()->Peer(), g);
}

// Long runs of digits are decoded many at a time: every byte value in either case, and a
// fault at any place of a run, must come out as they do one pair at a time.
TEST(FormFileTokens, LongHexRunsDecodeEveryByteAndPlaceEveryFault) {
  std::string run;
  std::vector<std::uint8_t> bytes;
  const char* digits[] = {"0123456789abcdef", "0123456789ABCDEF"};
  for (int b = 0; b < 256; ++b) {
    run += digits[b % 3 == 0][b >> 4];
    run += digits[b % 2][b & 15];
    bytes.push_back(static_cast<std::uint8_t>(b));
  }
  auto root = Read(WithGadget("    Inner.Blob = {" + run + "}\n"));
  EXPECT_EQ(Gadget(root)->Inner()->Blob, bytes);

  const std::string line = "0123456789abcdefABCDEF0123456789";  // two 16-digit runs
  for (const char bad : {'g', 'G', '/', ':', '@', '`', '\x80', '\xff', 'x'}) {
    for (size_t at = 0; at < line.size(); ++at) {
      std::string block = line;
      block[at] = bad;
      SCOPED_TRACE(testing::Message() << "'" << bad << "' at " << at);
      Fault f = FaultOf("object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = {" + block + "}");
      EXPECT_EQ(f.line, 3);
      EXPECT_EQ(f.column, 19 + static_cast<int>(at));
      const std::string code = static_cast<unsigned char>(bad) >= 127
                                   ? "#" + std::to_string(static_cast<unsigned char>(bad))
                                   : std::string{'\'', bad, '\''};
      EXPECT_NE(f.message.find("Invalid binary value " + code), std::string::npos) << f.message;
    }
  }
}
