#include "host/core/Streams.h"

#include <algorithm>
#include <cstring>

#include "host/core/ClassBuilder.h"

namespace host {

HOST_PUBLISHED(TStream) {}
HOST_PUBLISHED(TMemoryStream) {}
HOST_PUBLISHED(TFileStream) {}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError("Stream write error");
}

std::int64_t TStream::Size() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> buf(static_cast<size_t>(std::min<std::int64_t>(count, 65536)));
  std::int64_t left = count;
  while (left > 0) {
    std::int64_t n = std::min<std::int64_t>(left, static_cast<std::int64_t>(buf.size()));
    source.ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    left -= n;
  }
  return count;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  const auto size = static_cast<std::int64_t>(data_.size());
  if (count <= 0 || pos_ >= size) return 0;
  std::int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  if (pos_ + count > Size()) data_.resize(static_cast<size_t>(pos_ + count));
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? pos_ : Size();
  pos_ = std::max<std::int64_t>(0, base + offset);
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  data_.resize(static_cast<size_t>(std::max<std::int64_t>(0, size)));
  pos_ = std::min(pos_, Size());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  std::int64_t size = file.Size();
  data_.assign(static_cast<size_t>(size), 0);
  file.ReadBuffer(data_.data(), size);
  pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(data_.data(), static_cast<std::int64_t>(data_.size()));
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) {
  const char* how = mode == fmOpenRead ? "rb" : mode == fmCreate ? "w+b" : "r+b";
  file_ = std::fopen(fileName.c_str(), how);
  if (!file_) throw EFOpenError("Cannot open file \"" + fileName + "\": " + std::strerror(errno));
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  return count <= 0 ? 0 : static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  return count <= 0 ? 0 : static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  if (std::fseek(file_, static_cast<long>(offset), whence) != 0) return -1;
  return static_cast<std::int64_t>(std::ftell(file_));
}

void WriteInt32LE(TStream& stream, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  stream.WriteBuffer(b, 4);
}

std::int32_t ReadInt32LE(TStream& stream) {
  std::uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

std::string ReadTextFile(const std::string& fileName) {
  TMemoryStream m;
  m.LoadFromFile(fileName);
  return std::string(m.Bytes().begin(), m.Bytes().end());
}

void WriteTextFile(const std::string& fileName, const std::string& text) {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

}  // namespace host
