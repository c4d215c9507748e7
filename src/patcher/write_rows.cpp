#include "patcher/write_rows.h"

#include <optional>

#include "patcher/layout_check.h"
#include "patcher/value_paths.h"
#include "platform/files.h"
#include "shell/conversions.h"
#include "shell/version_table.h"

namespace olvex::patcher {

namespace {

// text with every "#" replaced by n; the result lives in `buffer` when text has a "#".
std::string_view numbered(std::string_view text, int n, std::string& buffer) {
  std::size_t hash = text.find('#');
  if (hash == std::string_view::npos) return text;
  buffer.clear();
  for (std::size_t from = 0;; from = hash + 1, hash = text.find('#', from)) {
    buffer.append(text.substr(from, hash - from));
    if (hash == std::string_view::npos) return buffer;
    buffer += std::to_string(n);
  }
}

std::string hexOf(const Hex& v, const shell::Form1& form, int n) {
  std::string key;
  switch (v.kind) {
    case Hex::Kind::Field: return Field(numbered(v.text, n, key));
    case Hex::Kind::Reversed: return ReversedField(numbered(v.text, n, key));
    case Hex::Kind::Literal: return std::string(v.text);
    case Hex::Kind::Computed: return v.compute(form);
    case Hex::Kind::None: break;
  }
  return {};
}

}  // namespace

std::int64_t PositionOf(std::string_view offsetKey, int displacement) {
  int index;
  try {
    index = shell::OffsetSlot(offsetKey);
  } catch (const std::out_of_range&) {
    throw PassError("unknown offset key " + std::string(offsetKey));
  }
  const std::int32_t slot = shell::Offsets[index];
  const std::string key(shell::kOffsetKeys[index]);
  if (slot == 0 && shell::OffsetNotNumber[index]) throw LayoutError(key + ": its value is not a number");
  if (slot == 0) throw LayoutError(key + ": the version section lacks it");
  if (slot < 0) throw LayoutError(key + "=" + std::to_string(slot) + ": a position below 1");
  return std::int64_t{slot} + displacement;
}

void Put(platform::RandomAccessFile& file, std::string_view offsetKey, int displacement,
         std::string_view hex) {
  std::int64_t pos = PositionOf(offsetKey, displacement);
  file.write(pos, shell::wb(hex));
}

void WriteRows(platform::RandomAccessFile& file, const shell::Form1& form, std::span<const Row> rows) {
  for (const Row& row : rows) {
    int pick = row.select(form);
    if (pick == kNothing || row.values[pick].kind == Hex::Kind::None) continue;
    const Hex& value = row.values[pick];
    // A value without a run number is built once for all its positions (one warning at most).
    bool perPosition = value.text.find('#') != std::string_view::npos;
    std::optional<std::string> once;
    if (!perPosition) once = hexOf(value, form, 0);
    std::string key;
    for (int n = 1; n <= row.at.count; ++n) {
      Put(file, numbered(row.at.key, n, key), row.at.plus, once ? *once : hexOf(value, form, n));
    }
  }
}

}  // namespace olvex::patcher
