// olvex-reflayout section OUT | exe OUT: writes the reference layout's version section text or
// its reference executable.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "reflayout/layout.h"

namespace {

// Writes to a temporary file beside `path` and renames it, so a failed run leaves no partial file.
bool writeFile(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view what = argc == 3 ? argv[1] : "";
  if (what != "section" && what != "exe") {
    std::cerr << "usage: olvex-reflayout section|exe OUT\n";
    return 2;
  }
  const std::string bytes = what == "section" ? olvex::reflayout::versionSectionText()
                                              : olvex::reflayout::referenceExecutable();
  if (!writeFile(argv[2], bytes)) {
    std::cerr << "olvex-reflayout: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
