// Malformed form files: a read error with line, column and property, nothing leaked.
#include <gtest/gtest.h>

#include "SampleClasses.h"
#include "host/core/ClassBuilder.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/ExtCtrls.h"

using namespace host;
using namespace sample;

namespace {

struct BadCase {
  const char* name;
  const char* text;
  int line;
  int column;
  const char* contains;  // part of the message
};

const BadCase kBad[] = {
    {"empty", "", 1, 1, "'object' expected"},
    {"truncated header", "object R:", 1, 10, "Identifier expected"},
    {"truncated body", "object R: TSampleRoot\n  object G: TGadget\n    Count = 1\n", 4, 1, "end of file"},
    {"unknown class", "object R: TSampleRoot\n  object G: TNoSuch\n  end\nend", 2, 13, "Class TNoSuch not found"},
    {"abstract class", "object R: TSampleRoot\n  object G: TAbstractThing\n  end\nend", 2, 13, "cannot be created"},
    {"unknown property", "object R: TSampleRoot\n  object G: TGadget\n    Colour = 1\n  end\nend", 3, 5,
     "G.Colour: Property Colour does not exist"},
    {"unknown sub-property", "object R: TSampleRoot\n  object G: TGadget\n    Inner.Wide = 1\n  end\nend", 3, 5,
     "G.Inner.Wide"},
    {"integer as string", "object R: TSampleRoot\n  object G: TGadget\n    Count = 'x'\n  end\nend", 3, 13,
     "G.Count: Integer value expected"},
    {"integer out of range", "object R: TSampleRoot\n  object G: TGadget\n    Count = 4294967296\n  end\nend", 3, 13,
     "out of range"},
    {"unknown enum", "object R: TSampleRoot\n  object G: TGadget\n    Shape = shOval\n  end\nend", 3, 13,
     "G.Shape: Invalid property value shOval"},
    {"set without bracket", "object R: TSampleRoot\n  object G: TGadget\n    Shapes = [shCircle\n  end\nend", 4, 3,
     "']'"},
    {"unterminated string", "object R: TSampleRoot\n  object G: TGadget\n    Caption = 'abc\n  end\nend", 3, 15,
     "G.Caption: Unterminated string"},
    {"odd hex digits", "object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = {ABC}\n  end\nend", 3, 21,
     "G.Inner.Blob: Odd number of hex digits"},
    {"non-hex digit", "object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = {AG}\n  end\nend", 3, 20,
     "Invalid binary value 'G'"},
    {"missing brace", "object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = {AB", 3, 21, "G.Inner.Blob: '}' expected"},
    {"unknown reference", "object R: TSampleRoot\n  object G: TGadget\n    Buddy = Nobody\n  end\nend", 3, 13,
     "G.Buddy: Component Nobody not found"},
    {"reference of wrong class", "object R: TSampleRoot\n  object G: TGadget\n    Buddy = R\n  end\nend", 3, 13,
     "G.Buddy: Invalid property value R"},
    {"unknown handler", "object R: TSampleRoot\n  object G: TGadget\n    OnPing = Nope\n  end\nend", 3, 14,
     "Method Nope not found"},
    {"handler of wrong shape", "object R: TSampleRoot\n  object G: TGadget\n    OnPing = WrongShape\n  end\nend", 3,
     14, "wrong type"},
    {"duplicate name", "object R: TSampleRoot\n  object G: TGadget\n  end\n  object g: TGadget\n  end\nend", 4, 13,
     "already exists"},
    {"defined property of wrong kind", "object R: TSampleRoot\n  object G: TGadget\n    Extra = True\n  end\nend", 3,
     13, "G.Extra: Integer value expected"},
    {"junk after end", "object R: TSampleRoot\nend\nend", 3, 1, "End of file expected"},
    {"invalid character", "object R: TSampleRoot\n  ~\nend", 2, 3, "Invalid character"},
    {"read-only object", "object R: TSampleRoot\n  object G: TGadget\n    Inner = 3\n  end\nend", 3, 13, "is an object"},
};

}  // namespace

TEST(FormFileErrors, EachGivesTheReadErrorWithPosition) {
  for (const BadCase& c : kBad) {
    SCOPED_TRACE(c.name);
    try {
      delete ReadForm(c.text);
      ADD_FAILURE() << "no error";
    } catch (const EFormReadError& e) {
      EXPECT_EQ(e.Line(), c.line) << e.what();
      EXPECT_EQ(e.Column(), c.column) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.contains), std::string::npos) << e.what();
    }
  }
}

TEST(FormFileErrors, IsAReadErrorOfTheHost) {
  EXPECT_THROW(delete ReadForm("object R: TSampleRoot\n  Tag = x\nend"), EReadError);
}

TEST(FormFileErrors, ShortPayloadRaisesTheStreamReadErrorNamingTheProperty) {
  // A defined binary property whose reader wants more bytes than stored.
  try {
    delete ReadForm("object R: TSampleRoot\n  object G: TGadget\n    Inner.Blob = {}\n  end\nend");
    SUCCEED();  // an empty payload is a valid empty blob
  } catch (const EReadError& e) {
    ADD_FAILURE() << e.what();
  }
}

TEST(FormFileErrors, ExistingRootKeepsItsComponentsAndLosesWhatTheFailedReadMade) {
  TSampleRoot root(nullptr);
  auto* kept = new TGadget(&root);
  kept->SetName("Kept");
  EXPECT_THROW(ReadForm("object R: TSampleRoot\n  object New1: TGadget\n  end\n  object New2: TGadget\n    Count = ?\n",
                        &root),
               EReadError);
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0), kept);
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
}

TEST(FormFileErrors, DeepNestingIsRefusedNotOverflowingTheStack) {
  std::string text = "object R: TSampleRoot\n";
  for (int i = 0; i < 100000; ++i) text += "object G" + std::to_string(i) + ": TGadget\n";
  EXPECT_THROW(delete ReadForm(text), EFormReadError);
}

namespace {

// Moves itself into the control its reference names, as soon as it is resolved.
class TMover : public TPanel {
  HOST_CLASS(TMover, TPanel)
  using TPanel::TPanel;
  TWinControl* Into() const { return Parent(); }
  void SetInto(TWinControl* v) { SetParent(v); }
};

}  // namespace

HOST_PUBLISHED(TMover) { P.Property("Into", &TMover::Into, &TMover::SetInto); }

TEST(FormFileErrors, FailureAfterAReferenceMovedAControlIntoALaterOneFreesEachOnce) {
  TForm form(nullptr);
  EXPECT_THROW(ReadForm("object F: TForm\n  object A: TMover\n    Into = B\n  end\n"
                        "  object B: TMover\n    Into = Missing\n  end\nend\n",
                        &form),
               EReadError);
  EXPECT_EQ(form.ComponentCount(), 0);
}
