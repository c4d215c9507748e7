#pragma once
// The rows the stage writes are made of, and the one loop that writes them. A row names its
// positions, a selector that reads the windows, and the value each selection writes.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace olvex::platform {
class RandomAccessFile;
}
namespace olvex::shell {
class Form1;
}

namespace olvex::patcher {

// The file position of an offset key plus a displacement. The slot itself must hold a position
// of 1 or more (0 is a key the loaded version lacks); otherwise a LayoutError naming the key.
std::int64_t PositionOf(std::string_view offsetKey, int displacement = 0);
// Puts the bytes of hex at PositionOf(offsetKey, displacement).
void Put(platform::RandomAccessFile& file, std::string_view offsetKey, int displacement,
         std::string_view hex);

// A value a row writes: a version data field as given or reversed, a literal hex string, a
// value computed from the windows, or nothing.
struct Hex {
  enum class Kind { None, Field, Reversed, Literal, Computed };
  Kind kind = Kind::None;
  std::string_view text{};
  std::string (*compute)(const shell::Form1&) = nullptr;
};
constexpr Hex F(std::string_view dataKey) { return {Hex::Kind::Field, dataKey}; }
constexpr Hex R(std::string_view dataKey) { return {Hex::Kind::Reversed, dataKey}; }
constexpr Hex L(std::string_view literal) { return {Hex::Kind::Literal, literal}; }
constexpr Hex C(std::string (*compute)(const shell::Form1&)) { return {Hex::Kind::Computed, {}, compute}; }

// Positions: an offset key plus a displacement. With count > 1 the key is a run: each "#" in it,
// and in the row's data keys, stands for 1 to count in turn.
struct At {
  std::string_view key;
  int count = 1;
  int plus = 0;
};

// What a selector returns when the row writes nothing.
inline constexpr int kNothing = -1;

// One row: its selector gives the index (0..2) of the value to write, or kNothing.
struct Row {
  int (*select)(const shell::Form1&);
  At at;
  std::array<Hex, 3> values;
};

// Writes the rows in order.
void WriteRows(platform::RandomAccessFile& file, const shell::Form1& form, std::span<const Row> rows);

}  // namespace olvex::patcher
