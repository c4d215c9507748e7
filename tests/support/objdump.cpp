#include "support/objdump.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>

#include "platform/files.h"
#include "platform/temp_folder.h"

namespace olvex::test {

// objdump runs with LC_ALL=C: its output is parsed, and under another locale (Turkish) it words
// its lines in that language.
bool HaveObjdump() { return std::system("objdump --version > /dev/null 2>&1") == 0; }

std::vector<Instruction> DisassembleInstructions(const std::string& bytes, unsigned long long vma) {
  platform::test_files::TempFolder folder;
  std::string path = folder.file("code.bin");
  platform::writeFileAtomic(path, bytes);
  char vmaText[32];
  std::snprintf(vmaText, sizeof vmaText, "0x%llx", vma);
  std::string command = "LC_ALL=C objdump -D -b binary -m i386 -M intel --insn-width=16 --adjust-vma=" + std::string(vmaText) +
                        " " + path;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string output;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  static const std::regex line(R"(^\s*([0-9a-f]+):\t([0-9a-f ]+)\t(.*)$)");
  static const std::regex blanks(R"(\s+)");
  std::vector<Instruction> instructions;
  std::size_t start = 0;
  for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
    std::smatch m;
    std::string text = output.substr(start, end - start);
    if (!std::regex_match(text, m, line)) continue;
    const std::string hexBytes = m[2].str();
    const auto digits = static_cast<std::size_t>(std::count_if(hexBytes.begin(), hexBytes.end(), ::isxdigit));
    instructions.push_back(
        {std::stoull(m[1].str(), nullptr, 16), digits / 2, std::regex_replace(m[3].str(), blanks, " ")});
  }
  return instructions;
}

std::string PeSections(const std::string& bytes) {
  platform::test_files::TempFolder folder;
  const std::string path = folder.file("file.exe");
  platform::writeFileAtomic(path, bytes);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(("LC_ALL=C objdump -h " + path).c_str(), "r"), ::pclose);
  std::string format, names;
  char line[512], name[64];
  int index;
  while (pipe && std::fgets(line, sizeof line, pipe.get())) {
    if (const char* at = std::strstr(line, "file format ")) format = std::string(at + 12, std::strcspn(at + 12, "\n"));
    if (std::sscanf(line, " %d %63s", &index, name) == 2) names += std::string(" ") + name;
  }
  return format + ":" + names;
}

std::vector<std::string> Disassemble(const std::string& bytes, unsigned long long vma) {
  std::vector<std::string> lines;
  for (const Instruction& i : DisassembleInstructions(bytes, vma)) {
    char address[32];
    std::snprintf(address, sizeof address, "%llx", i.address);
    lines.push_back(address + (": " + i.text));
  }
  return lines;
}

}  // namespace olvex::test
