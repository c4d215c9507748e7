#pragma once
// The outside disassembler (binutils objdump) over a piece of 32-bit x86 machine code.
#include <string>
#include <vector>

namespace olvex::test {

bool HaveObjdump();

// The instructions of `bytes` loaded at `vma`, one "address: text" line each (Intel syntax,
// blanks collapsed).
std::vector<std::string> Disassemble(const std::string& bytes, unsigned long long vma);

}  // namespace olvex::test
