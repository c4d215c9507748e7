#pragma once
// A locale of the C library compiled from its sources (Debian's "locales") into a folder of its
// own, so that a test runs code as a user with that locale does: LOCPATH names the folder.
#include <locale.h>
#include <stdlib.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/temp_folder.h"

namespace olvex::test {

class CompiledLocale {
 public:
  // `source` and `charmap` as localedef takes them: "tr_TR" and "UTF-8" give "tr_TR.UTF-8".
  CompiledLocale(const std::string& source, const std::string& charmap) : name_(source + "." + charmap) {
    std::string command =
        "localedef -i " + source + " -f " + charmap + " '" + folder_.file(name_) + "' >/dev/null 2>&1";
    ok_ = std::system(command.c_str()) == 0 && resolves();
  }

  // False where localedef or the locale's sources are missing.
  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }
  std::string folder() const { return folder_.path(); }

  // The process's whole locale is this one while the scope lives (LOCPATH included).
  class Scope {
   public:
    explicit Scope(const CompiledLocale& l) : locpath_(env("LOCPATH")), previous_(::setlocale(LC_ALL, nullptr)) {
      ::setenv("LOCPATH", l.folder().c_str(), 1);
      ::setlocale(LC_ALL, l.name().c_str());
    }
    ~Scope() {
      ::setlocale(LC_ALL, previous_.c_str());
      if (locpath_) ::setenv("LOCPATH", locpath_->c_str(), 1);
      else ::unsetenv("LOCPATH");
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    std::optional<std::string> locpath_;
    std::string previous_;
  };

 private:
  static std::optional<std::string> env(const char* name) {
    const char* v = ::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
  }

  // The C library finds the locale by its name under LOCPATH.
  bool resolves() const {
    Scope scope(*this);
    return ::setlocale(LC_ALL, nullptr) == name_;
  }

  platform::test_files::TempFolder folder_;
  std::string name_;
  bool ok_ = false;
};

}  // namespace olvex::test
