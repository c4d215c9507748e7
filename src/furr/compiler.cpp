#include "furr/compiler.h"

#include <array>
#include <tuple>

#include "furr/checker.h"
#include "furr/parameters.h"
#include "ui/host.h"

namespace olvex::furr {
namespace {

// Writes hex over the template part of out that starts at templateStart, at byte offset
// `offset`; what would fall outside the template is clipped.
void overwrite(std::string& out, std::size_t templateStart, std::size_t templateLength, int offset,
               std::string_view hex) {
  std::int64_t at = 2 * static_cast<std::int64_t>(offset);
  for (std::size_t i = 0; i < hex.size(); ++i) {
    std::int64_t pos = at + static_cast<std::int64_t>(i);
    if (pos >= 0 && pos < static_cast<std::int64_t>(templateLength)) out[templateStart + pos] = hex[i];
  }
}

void compileLines(std::string_view code, const ParamContext& base, std::string& out) {
  for (const std::string& line : SourceLines(code)) {
    SourceWords w = SplitWords(line);
    if (w.command.empty()) continue;
    ParamContext context{base.set, w.command, base.dialect, base.flipNumber};
    for (const Command& row : base.set.commands) {
      if (row.name != w.command) continue;
      std::size_t start = out.size();
      out += row.templ;
      const std::array<std::tuple<std::string_view, std::string_view, int>, 2> params = {
          {{row.type1, w.param1, row.offset1}, {row.type2, w.param2, row.offset2}}};
      for (const auto& [typeWord, text, offset] : params) {
        ParamType type = ParseParamType(typeWord);
        if (type == ParamType::None) continue;
        if (type == ParamType::Unknown ||
            (type == ParamType::CurrFlip && base.dialect != Dialect::Flipeffect)) {
          ui::msgBox("Unknown parameter type detected in command file. Bypassing parameters...");
          continue;
        }
        // A text the checker would refuse leaves the placeholder bytes as they are.
        EncodedParam p = EncodeParam(type, text, context);
        if (p.error == 0) overwrite(out, start, row.templ.size(), offset, p.hex);
      }
    }
  }
}

}  // namespace

std::string OneShotPrologue(const FlipCompileOptions& o) {
  if (!o.doOnlyOnce || !o.advancedSavegame) return {};
  std::string number = LittleEndianHex(o.flipNumber, 2);
  // push ebx; push ecx; mov ecx, flag area; mov ebx, n; sub ebx, 47; mov byte [ecx+ebx], 1;
  // pop ecx; pop ebx; then mov word [0x4ACBFE], n.
  return std::string(o.remapSceneMemory ? "5351B90000D900BB" : "5351B900009900BB") + number +
         "000083EB2FC6041901595B" + "66C705FECB4A00" + number;
}

std::string CompileFlip(const CommandSet& set, std::string_view code, const FlipCompileOptions& options) {
  if (code.find_first_not_of(' ') == std::string_view::npos) return {};
  std::string out;
  if (options.mode == OneShotMode::Pre) out += OneShotPrologue(options);
  compileLines(code, ParamContext{set, {}, Dialect::Flipeffect, options.flipNumber}, out);
  if (options.mode == OneShotMode::Post) out += OneShotPrologue(options);
  return out + "C3";
}

std::string CompileRaceEvent(const CommandSet& set, std::string_view code) {
  std::string out;
  compileLines(code, ParamContext{set, {}, Dialect::RaceEvent}, out);
  return out;
}

}  // namespace olvex::furr
