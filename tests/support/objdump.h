#pragma once
// The outside disassembler (binutils objdump) over a piece of 32-bit x86 machine code.
#include <string>
#include <vector>

namespace olvex::test {

bool HaveObjdump();

struct Instruction {
  unsigned long long address;
  std::size_t length;  // bytes
  std::string text;    // Intel syntax, blanks collapsed
};

// The instructions of `bytes` loaded at `vma`. A run of zero bytes up to the end is left out,
// as objdump leaves it.
std::vector<Instruction> DisassembleInstructions(const std::string& bytes, unsigned long long vma);

// What objdump reads in a PE file of these bytes: "format: name name ..." of its sections.
std::string PeSections(const std::string& bytes);

// The same, one "address: text" line each.
std::vector<std::string> Disassemble(const std::string& bytes, unsigned long long vma);

}  // namespace olvex::test
