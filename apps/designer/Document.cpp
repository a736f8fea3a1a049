#include "Document.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/stdctrls/Dialogs.h"
#include "host/streaming/Filer.h"

namespace designer {

using namespace host;

namespace {

const char* const kNewForm =
    "object Form1: TForm1\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  Width = 480\n"
    "  Height = 360\n"
    "  Caption = 'Form1'\n"
    "end\n";

std::string SystemError() { return std::strerror(errno); }

}  // namespace

std::string ReadTextFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + fileName + "\": " + SystemError());
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw EFOpenError("Cannot read file \"" + fileName + "\": " + SystemError());
  return text.str();
}

void WriteFileSafely(const std::string& fileName, const std::string& text) {
  const std::string temp = fileName + ".saving";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw EWriteError("Cannot write \"" + fileName + "\": " + SystemError());
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const std::string why = written ? "" : SystemError();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    std::remove(temp.c_str());
    throw EWriteError("Cannot write \"" + fileName + "\": " + (why.empty() ? SystemError() : why));
  }
  if (std::rename(temp.c_str(), fileName.c_str()) != 0) {
    const std::string reason = SystemError();
    std::remove(temp.c_str());
    throw EWriteError("Cannot replace \"" + fileName + "\": " + reason);
  }
}

TDesignDocument::TDesignDocument() { New(); }

TDesignDocument::~TDesignDocument() = default;

std::string TDesignDocument::Title() const {
  const std::string name = fileName_.empty() ? "Untitled" : std::filesystem::path(fileName_).filename().string();
  return IsModified() ? name + "*" : name;
}

std::unique_ptr<TDesignedForm> TDesignDocument::ReadDesigned(const std::string& text) {
  auto form = std::make_unique<TDesignedForm>(nullptr);
  form->SetDesigning(true, false);
  TReadOptions options;
  options.KeepUnboundEvents = true;  // handlers belong to the application's form class
  ReadForm(text, form.get(), options);
  return form;
}

void TDesignDocument::New() {
  Replace(ReadDesigned(kNewForm));
  fileName_.clear();
  rootClass_ = "TForm1";
  StartHistory(WriteForm(form_.get(), rootClass_));
  savedText_ = Text();
  Changed();
}

void TDesignDocument::Open(const std::string& fileName) {
  const std::string text = ReadTextFile(fileName);
  std::unique_ptr<TDesignedForm> form = ReadDesigned(text);
  // The class the file names is kept for saving.
  std::string rootClass = "TForm1";
  {
    // The root's class is on the first line: "object Name: TClass".
    const size_t colon = text.find(':'), eol = text.find('\n');
    if (colon != std::string::npos && colon < eol) {
      std::string cls = text.substr(colon + 1, eol == std::string::npos ? std::string::npos : eol - colon - 1);
      while (!cls.empty() && (cls.front() == ' ' || cls.front() == '\t')) cls.erase(cls.begin());
      while (!cls.empty() && std::isspace(static_cast<unsigned char>(cls.back()))) cls.pop_back();
      if (IsValidIdent(cls)) rootClass = cls;
    }
  }
  Replace(std::move(form));
  fileName_ = fileName;
  rootClass_ = rootClass;
  StartHistory(WriteForm(form_.get(), rootClass_));
  // A file written by hand is not modified merely because it would be written
  // canonically; what is saved is the canonical text.
  savedText_ = Text();
  Changed();
}

void TDesignDocument::SaveAs(const std::string& fileName) {
  if (fileName.empty()) throw EWriteError("No file name to save to");
  Snapshot();
  WriteFileSafely(fileName, Text());
  fileName_ = fileName;
  savedText_ = Text();
  Changed();
}

std::string TDesignDocument::ReadBack(const std::string& text) const {
  // Messages a component gives while it is read (it was read before) stay unseen.
  struct TQuiet {
    TMessageDlgHandler saved = GetMessageDlgHandler();
    TQuiet() {
      SetMessageDlgHandler([](const std::string&, TMsgDlgType, TMsgDlgButtons, Integer) { return mrOk; });
    }
    ~TQuiet() { SetMessageDlgHandler(saved); }
  } quiet;
  try {
    return WriteForm(ReadDesigned(text).get(), rootClass_);
  } catch (const Exception&) {
    return text;  // what cannot be read back is kept as written
  }
}

bool TDesignDocument::Snapshot() {
  std::string text = WriteForm(form_.get(), rootClass_);
  if (text == Text()) return false;
  // A component may change its form when it is read (a wizard sets the form's border,
  // say): the step is the text as it reads back, so that Undo, Redo and a saved file
  // give the form this step shows.
  text = ReadBack(text);
  if (text == Text()) return false;
  history_.resize(current_ + 1);
  history_.push_back(std::move(text));
  if (history_.size() > kUndoLimit + 1) history_.erase(history_.begin());
  current_ = history_.size() - 1;
  Changed();
  return true;
}

void TDesignDocument::Undo() {
  if (CanUndo()) Restore(current_ - 1);
}

void TDesignDocument::Redo() {
  if (CanRedo()) Restore(current_ + 1);
}

void TDesignDocument::Restore(size_t index) {
  Replace(ReadDesigned(history_[index]));
  current_ = index;
  Changed();
}

void TDesignDocument::StartHistory(const std::string& text) {
  history_.assign(1, text);
  current_ = 0;
}

void TDesignDocument::Replace(std::unique_ptr<TDesignedForm> form) {
  std::unique_ptr<TDesignedForm> old = std::move(form_);
  form_ = std::move(form);
  if (OnFormReplaced) OnFormReplaced(form_.get(), old.get());
}

void TDesignDocument::Changed() const {
  if (OnStateChanged) OnStateChanged();
}

}  // namespace designer
