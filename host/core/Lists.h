// TList (pointer slots) and TStrings / TStringList (lines with one object slot each).
#pragma once

#include <string>
#include <vector>

#include "host/core/Persistent.h"

namespace host {

class TReader;
class TWriter;

[[noreturn]] void ListIndexError(Integer index);

class TList : public TObject {
  HOST_CLASS(TList, TObject)

  Integer Count() const { return static_cast<Integer>(items_.size()); }
  void* Items(Integer index) const { return items_[Check(index)]; }
  void Put(Integer index, void* item) { items_[Check(index)] = item; }
  void* operator[](Integer index) const { return Items(index); }
  Integer Add(void* item) {
    items_.push_back(item);
    return Count() - 1;
  }
  // Inserts before index; index == Count appends.
  void Insert(Integer index, void* item);
  void Delete(Integer index);
  Integer Remove(void* item);  // index it had, or -1
  Integer IndexOf(void* item) const;
  void Exchange(Integer index1, Integer index2);
  void Move(Integer curIndex, Integer newIndex);
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  void Clear() { items_.clear(); }
  void SetCount(Integer count);  // new slots are nullptr
  Integer Capacity() const { return static_cast<Integer>(items_.capacity()); }
  // Room for exactly capacity entries (growing or shrinking); below Count is an index error.
  void SetCapacity(Integer capacity);

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  size_t Check(Integer index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
    return static_cast<size_t>(index);
  }
  std::vector<void*> items_;
};

// An ordered list of strings, each line with an object slot wide enough for a pointer
// or an integer. Stored in form files as the defined property "Strings".
class TStrings : public TPersistent {
  HOST_CLASS(TStrings, TPersistent)

  virtual Integer Count() const = 0;
  virtual std::string Get(Integer index) const = 0;
  virtual void Put(Integer index, const std::string& s) = 0;
  virtual NativeInt GetObjectSlot(Integer index) const = 0;
  virtual void PutObjectSlot(Integer index, NativeInt value) = 0;
  virtual void Insert(Integer index, const std::string& s) = 0;
  virtual void Delete(Integer index) = 0;
  virtual void Clear() = 0;

  std::string Strings(Integer index) const { return Get(index); }
  std::string operator[](Integer index) const { return Get(index); }
  TObject* Objects(Integer index) const { return reinterpret_cast<TObject*>(GetObjectSlot(index)); }
  void PutObject(Integer index, TObject* obj) { PutObjectSlot(index, reinterpret_cast<NativeInt>(obj)); }

  Integer Add(const std::string& s);
  Integer AddObject(const std::string& s, TObject* obj);
  void AddStrings(const TStrings& other);
  Integer IndexOf(const std::string& s) const;  // case-insensitive, as the classic lists compare
  void Exchange(Integer index1, Integer index2);
  // Lines joined with line breaks (each line followed by "\n").
  std::string Text() const;
  void SetText(const std::string& text);
  std::string CommaText() const;

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  bool Equals(const TStrings& other) const;

 protected:
  void ReadData(TReader& reader);
  void WriteData(TWriter& writer) const;
};

class TStringList : public TStrings {
  HOST_CLASS(TStringList, TStrings)

  TStringList() = default;
  TStringList(std::initializer_list<std::string> lines);

  Integer Count() const override { return static_cast<Integer>(items_.size()); }
  std::string Get(Integer index) const override { return items_[Check(index)].text; }
  const std::string& Ref(Integer index) const { return items_[Check(index)].text; }
  void Put(Integer index, const std::string& s) override {
    items_[Check(index)].text = s;
    Changed();
  }
  NativeInt GetObjectSlot(Integer index) const override { return items_[Check(index)].object; }
  void PutObjectSlot(Integer index, NativeInt value) override { items_[Check(index)].object = value; }
  void Insert(Integer index, const std::string& s) override;
  void Delete(Integer index) override;
  void Clear() override {
    items_.clear();
    Changed();
  }

  // Raised after every change of the lines (not of the object slots).
  TEvent<void(TObject*)> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  struct Item {
    std::string text;
    NativeInt object = 0;
  };
  size_t Check(Integer index) const {
    if (index < 0 || index >= Count()) ListIndexError(index);
    return static_cast<size_t>(index);
  }
  std::vector<Item> items_;
};

}  // namespace host
