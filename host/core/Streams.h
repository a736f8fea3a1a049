// Byte streams: the abstract TStream with memory and file streams.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/core/Persistent.h"

namespace host {

HOST_ENUM(TSeekOrigin, soBeginning, soCurrent, soEnd)

class TStream : public TObject {
  HOST_CLASS(TStream, TObject)

  // Reads up to count bytes; returns how many were read.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  // Reads exactly count bytes or raises EReadError.
  void ReadBuffer(void* buffer, std::int64_t count);
  // Writes exactly count bytes or raises EWriteError.
  void WriteBuffer(const void* buffer, std::int64_t count);

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t pos) { Seek(pos, soBeginning); }
  virtual std::int64_t Size();
  std::int64_t Remaining() { return Size() - Position(); }
  std::int64_t CopyFrom(TStream& source, std::int64_t count);  // count 0 copies the whole source
};

class TMemoryStream : public TStream {
  HOST_CLASS(TMemoryStream, TStream)

  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  void SetSize(std::int64_t size);
  void Clear() { data_.clear(); pos_ = 0; }
  const std::vector<std::uint8_t>& Bytes() const { return data_; }
  // Hands the bytes over and leaves the stream empty.
  std::vector<std::uint8_t> TakeBytes() {
    pos_ = 0;
    return std::exchange(data_, {});
  }
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t pos_ = 0;
};

HOST_ENUM(TFileMode, fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate)

class TFileStream : public TStream {
  HOST_CLASS(TFileStream, TStream)

  // Opens or creates the file; a failure raises EFOpenError.
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  std::FILE* file_ = nullptr;
};

// Signed 32-bit integers stored little-endian, as the stored binary properties hold them.
void WriteInt32LE(TStream& stream, std::int32_t value);
std::int32_t ReadInt32LE(TStream& stream);  // raises EReadError when fewer than 4 bytes remain

// Whole-file helpers; a missing file raises EFOpenError.
std::string ReadTextFile(const std::string& fileName);
void WriteTextFile(const std::string& fileName, const std::string& text);

}  // namespace host
