#include "page/file_output.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "engine/reader/reader.h"

namespace kelvane {

namespace {

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

void Remove(const std::filesystem::path& path) noexcept {
  try {
    std::error_code ec;
    std::filesystem::remove(path, ec);
  } catch (...) {
  }
}

// What the C library said last, or a plain input/output error when it
// said nothing.
std::error_code LastError() {
  const int e = errno;
  return e != 0 ? std::error_code(e, std::generic_category())
                : std::make_error_code(std::errc::io_error);
}

// A name beside `target` that no file has yet: "~name.123456.tmp".
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const std::string number = std::to_string(random() % 1000000u);
    std::u8string name = u8"~" + target.filename().u8string() + u8".";
    name.append(number.begin(), number.end());
    name += u8".tmp";
    std::filesystem::path candidate = target;
    candidate.replace_filename(name);
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec) && !ec) return candidate;
  }
  return {};
}

}  // namespace

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) try {
  const std::filesystem::path target = PathOf(path);
  std::error_code ec;
  if (std::filesystem::is_directory(target, ec))
    return {std::make_error_code(std::errc::is_a_directory)};
  const std::filesystem::path temporary = TemporaryBeside(target);
  if (temporary.empty()) return {std::make_error_code(std::errc::file_exists)};
  {
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return {LastError()};
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      const std::error_code error = LastError();
      Remove(temporary);  // a disk that filled up leaves no partial file behind
      return {error};
    }
  }
  // Replaces a file of that name (Windows too: MoveFileEx with
  // MOVEFILE_REPLACE_EXISTING); a file open elsewhere or read-only stays.
  std::filesystem::rename(temporary, target, ec);
  if (ec) {
    Remove(temporary);
    return {ec};
  }
  return {};
} catch (const std::bad_alloc&) {
  return {std::make_error_code(std::errc::not_enough_memory)};
} catch (...) {
  // A name the platform cannot convert: nothing written.
  return {std::make_error_code(std::errc::invalid_argument)};
}

std::optional<std::string> ReadFileRange(const std::string& source, uint64_t position,
                                         uint64_t length) try {
  std::unique_ptr<FileReader> in = FileReader::Open(source);
  if (!in) return std::nullopt;
  if (position > in->Size() || length > in->Size() - position) return std::nullopt;
  in->Seek(position);
  return in->ReadString(length);
} catch (...) {
  // The file shrank since it was loaded, or no memory.
  return std::nullopt;
}

std::string WriteFailureReason(const std::error_code& error) {
  struct Reason {
    std::errc condition;
    const char* text;
  };
  static constexpr Reason kReasons[] = {
      {std::errc::permission_denied,
       "書き込みが許可されていないか、ほかのプログラムがファイルを使用しています。"},
      {std::errc::operation_not_permitted, "書き込みが許可されていません。"},
      {std::errc::read_only_file_system, "書き込みが許可されていません。"},
      {std::errc::device_or_resource_busy, "ほかのプログラムがファイルを使用しています。"},
      {std::errc::text_file_busy, "ほかのプログラムがファイルを使用しています。"},
      {std::errc::no_space_on_device, "ディスクの空き領域が足りません。"},
      {std::errc::file_too_large, "ディスクの空き領域が足りません。"},
      {std::errc::no_such_file_or_directory, "保存先のフォルダが見つかりません。"},
      {std::errc::not_a_directory, "保存先のフォルダが見つかりません。"},
      {std::errc::is_a_directory, "同じ名前のフォルダがあります。"},
      {std::errc::filename_too_long, "ファイル名が長すぎます。"},
      {std::errc::invalid_argument, "ファイル名が正しくありません。"},
      {std::errc::not_enough_memory, "メモリが足りません。"},
  };
  for (const Reason& r : kReasons)
    if (error == r.condition) return r.text;
  return "書き込み中にエラーが発生しました (エラー " + std::to_string(error.value()) + ")。";
}

}  // namespace kelvane
