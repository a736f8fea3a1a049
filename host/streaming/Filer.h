// Form streaming: TFiler with defined properties, the text form reader and writer.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/Component.h"
#include "host/streaming/Parser.h"
#include "host/core/Streams.h"

namespace host {

class TReader;
class TWriter;
using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

class TFiler : public TObject {
  HOST_CLASS(TFiler, TObject)

  // A property stored beyond the published ones, written only when hasData is True.
  virtual void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                              bool hasData) = 0;
  // The same for binary data, handed to the procedures as a stream.
  virtual void DefineBinaryProperty(const std::string& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;
  TComponent* Root() const { return root_; }

 protected:
  TComponent* root_ = nullptr;
};

struct TReadOptions {
  // Class of the root when the file names a class that is not registered (a form
  // class of some application); nullptr makes that a read error.
  const TClassInfo* FallbackRootClass = nullptr;
  // Keep event handlers that the root does not publish by name instead of failing.
  bool KeepUnboundEvents = false;
};

// Reads a text form file. Components are created in stored order with the root as
// owner; values go through their setters while csReading and csLoading are set; then
// references are resolved and Loaded runs on every component read, in creation order.
// Any fault raises EFormReadError with line and column; what the reader created is freed.
class TReader : public TFiler {
  HOST_CLASS(TReader, TFiler)

  explicit TReader(std::string_view text, TReadOptions options = {});
  ~TReader() override;

  // Reads into root when given, else creates the root from the stored class.
  TComponent* ReadRootComponent(TComponent* root = nullptr);
  const std::string& RootClassName() const { return rootClassName_; }

  // Values of defined properties.
  Integer ReadInteger();
  std::string ReadString();
  bool ReadBoolean();
  std::string ReadIdent();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();
  // For the reader of a defined property: the defined property `name` of the same object
  // must follow before the component's block ends (a count needs the data it announces);
  // otherwise the read fails there, naming it, with `why`.
  void RequireProperty(const std::string& name, const std::string& why);

  void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

 private:
  struct Fixup;
  struct Header;
  struct Requirement;
  Header ReadHeader();
  void ReadBody(TComponent* component, int depth);
  void ReadChild(TComponent* parent, int depth);
  void CheckCreatable(const TClassInfo* cls, const Header& h) const;
  void ReadPropertyLine(TComponent* component);
  std::string_view JoinedPath();
  void ReadPublished(TObject* obj, const TPropInfo& prop, std::string_view what);
  void ResolveFixups();
  // s itself when it is a view into the text, else a view of a copy kept as long as the reader.
  std::string_view Keep(std::string_view s);
  void CheckRequirements(TComponent* component);
  void Satisfy(const std::string& name);
  void Cleanup(TComponent* root, bool rootCreated);
  [[noreturn]] void FailAt(int line, int column, std::string_view what, const std::string& detail) const;

  TParser parser_;
  TReadOptions options_;
  std::string rootClassName_;
  std::vector<TComponent*> loaded_;   // every component read, in creation order
  std::vector<TComponent*> created_;  // those this reader created (not the root)
  std::vector<Fixup> fixups_;
  std::deque<std::string> kept_;  // property paths of fixups that are not in the text as such
  std::vector<Requirement> required_;
  // The property line being read: its path's segments (views into the text), the path
  // joined when it was written with blanks, its component, the object holding the
  // property and the path up to that object ("WayList.").
  std::vector<std::string_view> path_;
  std::string joined_;
  TComponent* lineComponent_ = nullptr;
  TObject* lineObject_ = nullptr;
  std::string linePath_;
  int lineLine_ = 0;
  int lineColumn_ = 0;
  std::vector<std::uint8_t> binary_;  // the last binary value's buffer, kept for its room
  // The defined property being looked for while DefineProperties runs.
  const std::string_view* wantedName_ = nullptr;
  bool handled_ = false;
};

// Writes components as canonical text form files.
class TWriter : public TFiler {
  HOST_CLASS(TWriter, TFiler)

  TWriter() = default;
  // rootClassName overrides the class written for the root (a form read with a fallback class).
  void WriteRootComponent(TComponent* root, const std::string& rootClassName = "");
  const std::string& Text() const { return out_; }

  void WriteInteger(Integer value);
  void WriteString(const std::string& value);
  void WriteBoolean(bool value);
  void WriteIdent(const std::string& ident);
  void WriteListBegin();
  void WriteListEnd();

  void DefineProperty(const std::string& name, const TReaderProc& readData, const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& readData, const TStreamProc& writeData,
                            bool hasData) override;

 private:
  void WriteComponent(TComponent* component, int indent);
  void WriteProperties(TObject* obj, const std::string& prefix, int depth);
  void WritePublished(TObject* obj, const TPropInfo& prop, const std::string& prefix);
  void BeginLine(const std::string& name);
  void WriteValue(const std::string& text);
  std::string ReferenceName(TComponent* c) const;

  std::string out_;
  int indent_ = 0;
  int listDepth_ = 0;
  std::string prefix_;
};

// Quotes a string the way form files store it.
std::string QuoteFormString(const std::string& value);

TComponent* ReadForm(std::string_view text, TComponent* root = nullptr, const TReadOptions& options = {});
std::string WriteForm(TComponent* root, const std::string& rootClassName = "");
TComponent* LoadFormFile(const std::string& fileName, TComponent* root = nullptr, const TReadOptions& options = {});
void SaveFormFile(const std::string& fileName, TComponent* root);

}  // namespace host
