// The designed form as a document: its file, the text it was last saved as, and the
// undo history, each step a snapshot of the form's text (form files reproduce a form
// faithfully, so a snapshot read back is the form as it was).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DesignedForm.h"

namespace designer {

class TDesignDocument {
 public:
  // Steps kept for Undo; older ones are forgotten.
  static constexpr size_t kUndoLimit = 200;

  TDesignDocument();
  ~TDesignDocument();

  TDesignedForm* Form() const { return form_.get(); }
  const std::string& FileName() const { return fileName_; }
  // The class name written for the root ("TForm1" for a new form).
  const std::string& RootClassName() const { return rootClass_; }
  // The form's text as of the last snapshot.
  const std::string& Text() const { return history_[current_]; }
  bool IsModified() const { return Text() != savedText_; }
  // "Untitled" or the file's name, with an asterisk when modified.
  std::string Title() const;

  // A new empty form; raises nothing.
  void New();
  // Reads a file into a new form. A file that cannot be read or parsed raises (a read
  // error keeps its line and column) and leaves the document as it was.
  void Open(const std::string& fileName);
  // Writes to a temporary file beside the target and renames it over the target, so
  // that a failed write never leaves a half-written file. Raises EWriteError.
  void SaveAs(const std::string& fileName);
  void Save() { SaveAs(fileName_); }

  // Takes a snapshot after a change of the form; false when the text did not change.
  bool Snapshot();
  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < history_.size(); }
  size_t UndoSteps() const { return current_; }
  void Undo();
  void Redo();

  // Called with the new form before the old one is freed (New, Open, Undo, Redo).
  std::function<void(TDesignedForm* now, TDesignedForm* old)> OnFormReplaced;
  // Title or undo state changed.
  std::function<void()> OnStateChanged;

  // A designed form read from text (design mode set before reading).
  static std::unique_ptr<TDesignedForm> ReadDesigned(const std::string& text);

 private:
  void Replace(std::unique_ptr<TDesignedForm> form);
  void Restore(size_t index);
  void StartHistory(const std::string& text);
  void Changed() const;
  std::string ReadBack(const std::string& text) const;

  std::unique_ptr<TDesignedForm> form_;
  std::string fileName_;
  std::string rootClass_ = "TForm1";
  std::string savedText_;
  std::vector<std::string> history_;
  size_t current_ = 0;
};

// The whole content of a file; raises EFOpenError naming the file.
std::string ReadTextFile(const std::string& fileName);
// Writes through a temporary file renamed over the target; raises EWriteError.
void WriteFileSafely(const std::string& fileName, const std::string& text);

}  // namespace designer
