// How string lists are stored in form files: a defined property "Strings" holding a list
// of strings. Kept with the filer so that the lists themselves need no streaming.
#include "host/core/Lists.h"
#include "host/streaming/Filer.h"

namespace host {

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      "Strings", [this](TReader& r) { ReadData(r); }, [this](TWriter& w) { WriteData(w); }, Count() > 0);
}

void TStrings::ReadData(TReader& reader) {
  Clear();
  reader.ReadListBegin();
  while (!reader.EndOfList()) Add(reader.ReadString());
  reader.ReadListEnd();
}

void TStrings::WriteData(TWriter& writer) const {
  writer.WriteListBegin();
  for (Integer i = 0; i < Count(); ++i) writer.WriteString(Get(i));
  writer.WriteListEnd();
}

}  // namespace host
