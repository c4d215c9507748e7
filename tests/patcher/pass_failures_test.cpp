// Every way a pass can fail: one message says so (with a second line naming the key of a refused
// layout, or the file and the system's reason of a file error), the executable stays as it was
// or as another program left it meanwhile, and nothing of the pass's own is left behind. And the
// commit's own names: what other programs do at the working copy's name, or to the executable
// from before the pass, and a look or sync that fails once the copy is in place, never undo a
// pass whose copy is in place.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <regex>

#include "customizers/health/dialog.h"
#include "customizers/limits/dialog.h"
#include "pass_fixture.h"
#include "patcher/layout_check.h"
#include "platform/files.h"
#include "platform/posix_io.h"
#include "support/unprivileged.h"

namespace olvex::patcher::test {
namespace {

namespace fs = std::filesystem;
using customizers::CustLaraHP;
using customizers::CustLimits;
using shell::Form1;
using ui::Forms;

std::string failed(const std::string& detail = "") {
  const std::string text = "Cannot process with tomb4.exe modifying. Make sure you're using correct config file.";
  return detail.empty() ? text : text + "\r\n" + detail;
}

// The second line of a pass refused for a key the version section lacks.
std::string lacks(const std::string& key) { return key + ": the version section lacks it"; }

// What stands at a name: a link or not, a file of some length (its bytes too when small) or nothing.
std::string foundAt(const std::string& path) {
  std::string found = fs::is_symlink(path) ? "link to " : "";
  if (!fs::exists(path)) return found + "nothing";
  const std::uintmax_t length = fs::file_size(path);
  return found + std::to_string(length) + " bytes: " + (length < (std::uintmax_t{1} << 24) ? bytesOf(path) : "");
}

// The files kept beside the executable, with their bytes.
std::map<std::string, std::string> keptIn(const std::string& folder) {
  std::map<std::string, std::string> kept;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().find(".kept") != std::string::npos)
      kept[entry.path().filename().string()] = bytesOf(entry.path().string());
  return kept;
}

// Text with each of the run's own names (which hold its process id) read as ".olvex-OWN.tmp".
std::string ownNamesAsOne(const std::string& text) {
  return std::regex_replace(text, std::regex(R"(\.olvex-[^/"]*\.tmp)"), ".olvex-OWN.tmp");
}

// The files beside the executable a pass may make or keep: named after the executable, or the
// run's own.
std::vector<fs::path> besideExecutable(const std::string& folder) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if ((name.starts_with("tomb4.exe") && name != "tomb4.exe") || name.starts_with(".olvex-")) found.push_back(entry);
  }
  return found;
}

void extend(Form1& f) { f.Check9.setValue(1); }

class PassFailures : public PassTest {
 protected:
  // A change another program makes before the copy is read or while the stages write.
  std::function<void(Form1&)> beforeCopy(std::function<void()> change) {
    return [this, change](Form1&) { passHooks().BeforeCopy = [this, change] { changeNow(change); }; };
  }
  std::function<void(Form1&)> whileWriting(std::function<void()> change) {
    return [this, change](Form1&) {
      passHooks().StageWriters["DRACO"] = [this, change](platform::RandomAccessFile&) { changeNow(change); };
    };
  }
  std::function<void(Form1&)> atExchange(std::function<void()> change) {
    return [this, change](Form1&) { passHooks().BeforeExchange = [this, change] { changeNow(change); }; };
  }
  std::function<void(Form1&)> atSync(std::function<void()> change) {
    return [this, change](Form1&) { passHooks().AfterSync = [this, change] { changeNow(change); }; };
  }
  std::function<void(Form1&)> afterExchange(std::function<void()> change) {
    return [this, change](Form1&) { passHooks().AfterExchange = [this, change] { changeNow(change); }; };
  }
  std::function<void(Form1&)> atLastLook(std::function<void()> change) {
    return [this, change](Form1&) { passHooks().BeforeLastLook = [this, change] { changeNow(change); }; };
  }
  // Every look at the lock's name fails with that error.
  std::function<void(Form1&)> lockLooks(int error) {
    return [this, error](Form1&) {
      platform::detail::callFaults().look = [lock = exe() + ".olvex-lock", error](const std::string& p) {
        return p == lock ? error : 0;
      };
    };
  }
  void changeNow(const std::function<void()>& change) {
    change();
    left = foundAt(exe());
  }
  // The refusals of a commit whose executable, or working copy, another program changed.
  std::string sourceChanged() const {
    return "Cannot replace \"" + exe() +
           "\": it changed after it was copied (another program wrote, moved or removed it); it is left as it is now";
  }
  std::string workingCopyGone() const {
    return "Cannot replace \"" + exe() + "\": its working copy \"" + exe() +
           "0\" was changed, removed or replaced meanwhile";
  }
  std::string messages() const {
    std::string r;
    for (const auto& m : host.messages) r += m.title + ": " + m.text + "|";
    return r;
  }

  std::string left;  // the executable as the pass must leave it
  std::optional<platform::FileLock> otherRun;
  platform::test_files::TempFolder elsewhere;
};

TEST_F(PassFailures, LeaveTheExecutableAsItIsAndSaySo) {
  const std::string hugeArea = "ExtendedSizeNum=2147483647: an appended area of 2147483648 bytes is beyond the limit of " +
                               std::to_string(MaxAppendedArea()) + " bytes";
  const std::string noHeader = "ExtSizePEHeaderOffset1: tomb4.exe has no PE32 header within its standard length";
  const std::string section = "not the place of a further section header in the table of tomb4.exe (from position "
                              "505, headers end at 4096)";
  const std::string changed = sourceChanged();
  const std::string keptBefore = ". The executable from before the pass was kept as \"" + exe() + ".kept\"";
  const std::string replacedAfter = "Cannot replace \"" + exe() +
                                    "\": another program put another file there as the patched copy took its place; "
                                    "that file stays" + keptBefore;
  const std::string removedAfter = "Cannot replace \"" + exe() +
                                   "\": another program removed it as the patched copy took its place; nothing "
                                   "stands there now" + keptBefore;
  const std::string wroteAfter = "Cannot replace \"" + exe() +
                                 "\": another program wrote to the patched copy as it took its place; it stays as "
                                 "that program left it" + keptBefore;
  std::string original = reflayout::referenceExecutable();
  original[5000] ^= 0x55;  // not the generator's bytes, so only the original file gives them back
  const std::string newer = elsewhere.file("newer.exe");
  const std::uintmax_t huge = std::uintmax_t{4} << 30;  // sparse: nothing is written
  const auto moveNewerIntoPlace = [this, newer] {
    putBytes(newer, reflayout::referenceExecutable() + "newer");
    fs::rename(newer, exe());
  };
  const auto removeExe = [this] { fs::remove(exe()); };
  const auto removeWorkingCopy = [this] { fs::remove(exe() + "0"); };
  const auto corrupt = [this](std::size_t at) {
    return [this, at](Form1&) {
      std::string bytes = exeBytes();
      bytes[at] = 'X';
      putBytes(exe(), bytes);
    };
  };
  const auto writeAt = [](std::int64_t position, bool extended) {
    return [position, extended](Form1& f) {
      f.Check9.setValue(extended);
      passHooks().StageWriters["DRACO"] = [position](platform::RandomAccessFile& file) { file.write(position, "ABCD"); };
    };
  };
  const auto sasFix = [](int blow) {
    return [blow](Form1& f) {
      Forms::get<CustLaraHP>().Check2.setValue(1);
      Forms::get<CustLaraHP>().Check4.setValue(blow);
      f.Check9.setValue(blow);
    };
  };
  struct Row {
    const char* name;
    std::string config;                // a change of the built-in config (see builtInConfig)
    std::function<void(Form1&)> set;  // after start-up
    std::string message;
    std::vector<std::string> stays = {};  // what stands at the pass's own names and is not its to remove
    bool unprivileged = false;
    std::map<std::string, std::string> kept = {};  // files kept beside the executable, with their bytes
  } rows[] = {
      {"main stage offset key missing", "-LTOffset=", {}, failed(lacks("LTOffset"))},
      {"main stage offset below 1", "LTOffset=-5", {}, failed("LTOffset=-5: a position below 1")},
      {"main stage offset no number", "LTOffset=garbage", {}, failed("LTOffset: its value is not a number")},
      {"weapon offset no number", "WeaponOffset= x1", {}, failed("WeaponOffset: its value is not a number")},
      {"main stage data field missing", "-VolFXDefData=", {}, failed()},
      {"savegame hook field missing", "-ExtSGJmp2DataD=", {}, failed()},
      {"end of file missing", "-EOFOffset=", {}, failed(lacks("EOFOffset"))},
      {"appended area missing", "-ExtendedSizeNum=", extend, failed("ExtendedSizeNum: the version section lacks it")},
      {"magic word base missing", "-CharArrayBaseOffset=", {}, failed(lacks("CharArrayBaseOffset"))},
      {"magic word base empty", "CharArrayBaseOffset=", {}, failed("CharArrayBaseOffset: its value is not a number")},
      {"magic word base no number", "CharArrayBaseOffset=x400", {},
       failed("CharArrayBaseOffset: its value is not a number")},
      {"magic word base 0", "CharArrayBaseOffset=0", {},
       failed("CharArrayBaseOffset=0: the character array is never at address 0")},
      {"dialog offset missing", "-PoleRightOffset=", {}, failed(lacks("PoleRightOffset"))},
      {"numbered dialog offset missing", "-SparkleAmountOffset2=", {}, failed(lacks("SparkleAmountOffset2"))},
      {"nitro offset missing", "-NitroRestorationRate=", {}, failed(lacks("NitroRestorationRate"))},
      {"damage offset missing", "-WildBoarDmgOffset=", {}, failed(lacks("WildBoarDmgOffset"))},
      {"fast kill offset missing", "-FastKillOffset=", sasFix(0), failed(lacks("FastKillOffset"))},
      {"blow-up jump offset missing", "-BlowExtJmpOffset=", sasFix(1), failed(lacks("BlowExtJmpOffset"))},
      {"no 32-bit room", "EOFOffset=2147483647", {},
       failed("EOFOffset=2147483647: the standard file of 2147483646 bytes leaves no room for the appended area in a "
              "32-bit image")},
      {"standard file beyond the executable", "EOFOffset=1000000", {},
       failed("EOFOffset=1000000: the standard file would end beyond the end of tomb4.exe (790528 bytes)")},
      {"empty standard file", "EOFOffset=1", {}, failed("EOFOffset=1: the standard file would be empty")},
      {"huge appended area", "ExtendedSizeNum=2147483647", extend, failed(hugeArea)},
      {"huge appended area, not extending", "ExtendedSizeNum=2147483647", {}, failed(hugeArea)},
      {"negative appended area", "ExtendedSizeNum=-2", extend,
       failed("ExtendedSizeNum=-2: the appended area cannot be smaller than one byte")},
      {"section declaring part of the area", "ExtendedSizeNum=1048575", extend,
       failed("ExtendedSizeNoRelData: the new section must hold the 1048576 appended bytes at file offset 790528, as "
              "EOFOffset and ExtendedSizeNum say")},
      {"section at another offset", "EOFOffset=790528", {},
       failed("ExtendedSizeNoRelData: the new section must hold the 524288 appended bytes at file offset 790527, as "
              "EOFOffset and ExtendedSizeNum say")},
      {"section count elsewhere", "ExtSizePEHeaderOffset1=2147483647", extend,
       failed("ExtSizePEHeaderOffset1=2147483647: the section count of tomb4.exe is at position 263")},
      {"size of image elsewhere", "ExtSizePEHeaderOffset2=263", {},
       failed("ExtSizePEHeaderOffset2=263: the size of image of tomb4.exe is at positions 337 to 340")},
      {"section header far away", "ExtSizePEHeaderOffset3=2147483647", extend,
       failed("ExtSizePEHeaderOffset3=2147483647: " + section)},
      {"section header misaligned", "ExtSizePEHeaderOffset3=666", extend, failed("ExtSizePEHeaderOffset3=666: " + section)},
      {"first section's own header", "ExtSizePEHeaderOffset3=505", extend,
       failed("ExtSizePEHeaderOffset3=505: " + section)},
      {"section header ending beyond the headers", "ExtSizePEHeaderOffset3=4065", extend,
       failed("ExtSizePEHeaderOffset3=4065: " + section)},
      {"no MZ", "", corrupt(0), failed(noHeader)},
      {"no PE", "", corrupt(0x100), failed(noHeader)},
      {"no PE32 magic", "", corrupt(0x118), failed(noHeader)},
      {"far larger than any layout", "", [this](Form1&) { fs::resize_file(exe(), huge); },
       failed("tomb4.exe has 4294967296 bytes, far more than any layout of its version section (at most 1314816 "
              "bytes)")},
      {"a write beyond the standard file", "", writeAt(reflayout::kStandardLength + 1, false),
       failed("Cannot write to \"" + exe() + "0\": 4 bytes at position 790529 reach beyond the declared length 790528")},
      {"a write beyond the appended area", "", writeAt(kExtendedLength - 2, true),
       failed("Cannot write to \"" + exe() + "0\": 4 bytes at position 1314814 reach beyond the declared length "
              "1314816")},
      {"a damage that is no number", "", [](Form1&) { Forms::get<CustLaraHP>().Text1[0].setText("abc"); }, failed()},
      {"an attack that is no number", "", [](Form1&) { Forms::get<CustLaraHP>().Text1[21].setText("12a"); }, failed()},
      {"a displacement that is no number", "", [](Form1&) { Forms::get<CustLaraHP>().Text2[6].setText("1x"); },
       failed()},
      {"an empty nitro rate", "", [](Form1&) { Forms::get<CustLimits>().Text2[13].setText(""); }, failed()},
      {"fog bulb range beyond 32 bits", "", [](Form1&) { shell::FogBulbRange = 3000000; }, failed()},
      {"a writer that throws", "",
       [](Form1&) {
         passHooks().StageWriters["RACETIMER"] = [](platform::RandomAccessFile& file) {
           file.write(1, "XX");
           throw platform::FileError("disk full");
         };
       },
       failed("disk full")},
      {"a folder at the working copy's name", "", [this](Form1&) { fs::create_directory(exe() + "0"); },
       failed("Cannot create \"" + exe() + "0\": a folder has that name"), {"tomb4.exe0"}},
      {"the working copy removed before the commit", "", whileWriting(removeWorkingCopy), failed(workingCopyGone())},
      {"a read-only folder", "", [this](Form1&) { ::chmod(dir.path().c_str(), 0555); },
       failed("Cannot create the lock \"" + exe() + ".olvex-lock\": Permission denied"), {}, true},
      {"another run holds the lock", "", [this](Form1&) { otherRun.emplace(exe() + ".olvex-lock"); },
       "tomb4.exe is in use by another run of OLVEX. Nothing was changed.", {"tomb4.exe.olvex-lock"}},
      // A lock whose name cannot be looked at ends the run before anything is made there; one
      // that another program seems to take away at every look, after a bounded number of tries.
      {"the lock's name cannot be looked at", "", lockLooks(EIO),
       failed("Cannot look at \"" + exe() + ".olvex-lock\": Input/output error")},
      {"the lock removed at every look", "", lockLooks(ENOENT),
       failed("Cannot lock \"" + exe() + ".olvex-lock\": another program removed or replaced it each time it was "
              "taken (100 tries)"),
       {"tomb4.exe.olvex-lock"}},
      {"what killed runs left goes even when the pass is refused", "EOFOffset=999999",
       [this](Form1&) {
         putBytes(exe() + "0", "half a copy");
         leaveKilledRunsTemporary(dir.path());
       },
       failed("EOFOffset=999999: the standard file would end beyond the end of tomb4.exe (790528 bytes)")},
      // The pass copies no more than it checked and never commits over a changed file.
      {"cut short before the copy", "", beforeCopy([this] { fs::resize_file(exe(), 4096); }),
       failed("Cannot read \"" + exe() + "\": unexpected end of file")},
      {"lengthened before the copy", "", beforeCopy([this] { fs::resize_file(exe(), huge); }), failed(changed)},
      {"a huge file moved into place before the copy", "",
       beforeCopy([this, newer] {
         putBytes(newer, "MZ");
         fs::resize_file(newer, huge);
         fs::rename(newer, exe());
       }),
       failed(changed)},
      {"a newer file written in place", "",
       whileWriting([this] { putBytes(exe(), reflayout::referenceExecutable() + "newer"); }), failed(changed)},
      {"a newer file moved into place", "", whileWriting(moveNewerIntoPlace), failed(changed)},
      {"removed", "", whileWriting(removeExe), failed(changed)},
      // The same after the commit's last look, just before the exchange.
      {"removed at the exchange", "", atExchange(removeExe), failed(changed)},
      // A copy changed at its sync never becomes the executable, whatever its identity says; a
      // file that is not the run's own is kept, never removed.
      {"the working copy cut at its sync", "", atSync([this] { fs::resize_file(exe() + "0", 1000); }),
       failed(workingCopyGone())},
      {"the working copy written at its sync", "",
       atSync([this] {
         std::string bytes = bytesOf(exe() + "0");
         bytes[100] ^= 1;
         putBytes(exe() + "0", bytes);
       }),
       failed(workingCopyGone())},
      {"the working copy replaced at its sync", "",
       atSync([this, newer] {
         putBytes(newer, "newer");
         fs::rename(newer, exe() + "0");
       }),
       failed(workingCopyGone() + "\r\nThe file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept\"."), {},
       false, {{"tomb4.exe0.kept", "newer"}}},
      // Just after the exchange: what another program does to the executable's name stays, and the
      // executable from before the pass is kept.
      {"a newer file moved into place after the exchange", "", afterExchange(moveNewerIntoPlace), failed(replacedAfter),
       {}, false, {{"tomb4.exe.kept", original}}},
      {"removed after the exchange", "", afterExchange(removeExe), failed(removedAfter), {}, false,
       {{"tomb4.exe.kept", original}}},
      {"the patched copy written in place after the exchange", "",
       afterExchange([this] { std::ofstream(exe(), std::ios::app) << "more"; }), failed(wroteAfter), {}, false,
       {{"tomb4.exe.kept", original}}},
      // Once the old executable is set aside, the last look still finds a change and keeps it.
      {"a newer file moved into place at the last look", "", atLastLook(moveNewerIntoPlace), failed(replacedAfter), {},
       false, {{"tomb4.exe.kept", original}}},
      {"the patched copy written in place at the last look", "",
       atLastLook([this] { std::ofstream(exe(), std::ios::app) << "more"; }), failed(wroteAfter), {}, false,
       {{"tomb4.exe.kept", original}}},
      {"replaced by a link", "",
       whileWriting([this, newer] {
         fs::rename(exe(), newer);
         fs::create_symlink(newer, exe());
       }),
       failed(changed)},
  };
  const PassHooks installed = passHooks();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    putBytes(exe(), original);
    putBytes(dir.file("olvex.cfg"), builtInConfig(r.config.empty() ? std::vector<std::string>{} : std::vector{r.config}));
    shell::ResetVersionTables();
    Form1& f = start();
    if (r.set) r.set(f);
    left = foundAt(exe());
    const auto passSays = [&] {
      pass();
      return messages();
    };
    EXPECT_EQ(r.unprivileged ? olvex::test::RunUnprivileged(passSays) : passSays(), "Cannot modify file: " + r.message + "|");
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_TRUE(foundAt(exe()) == left);
    EXPECT_FALSE(f.Label10.visible() || f.Shape3.visible() || f.Shape4.visible());
    EXPECT_EQ(leftoversIn(dir.path()), r.stays);
    EXPECT_EQ(keptIn(dir.path()), r.kept);
    fs::remove_all(exe() + "0");
    fs::remove(exe());
    fs::remove(elsewhere.file("newer.exe"));
    fs::remove(exe() + ".olvex-lock");
    for (const auto& [name, bytes] : r.kept) fs::remove(dir.file(name));
    otherRun.reset();
    passHooks() = installed;
    platform::detail::callFaults() = {};
    Forms::reset();
  }
}


// Once the copy is at the run's own name, what other programs do at the working copy's name never
// reaches the executable. After the exchange, the executable from before the pass is removed only
// when it is the file that was copied, and kept otherwise; a step that fails without changing
// anything (a look, the folder's sync) is a line of the message, and the pass stands with the
// patched copy in place. A look that fails is never taken for "nothing there".
TEST_F(PassFailures, TheCommitExchangesOnlyNamesOfItsOwn) {
  std::string original = reflayout::referenceExecutable();
  original[5000] ^= 0x55;
  std::string patched = original;
  patched.replace(4999, 7, "patched");
  const std::string newer = elsewhere.file("newer.exe");
  const std::string own = dir.file(".olvex-OWN.tmp");
  const auto moveInto = [newer](const std::string& bytes, const std::function<std::string()>& name) {
    return [newer, bytes, name] {
      putBytes(newer, bytes);
      fs::rename(newer, name());
    };
  };
  const auto workingCopyName = [this] { return exe() + "0"; };
  const auto keptName = [this] { return exe() + ".kept"; };
  const auto moveNewer = moveInto("newer", [this] { return exe(); });
  const auto ownNameNow = [this] { return ownName(); };
  const auto failLook = [](std::function<bool(const std::string&)> at, int error) {
    return [at, error] {
      platform::detail::callFaults().look = [at, error](const std::string& p) { return at(p) ? error : 0; };
    };
  };
  const auto isExe = [this](const std::string& p) { return p == exe(); };
  const auto isOwn = [](const std::string& p) { return p.find("/.olvex-") != std::string::npos; };
  const auto isWorkingCopy = [this](const std::string& p) { return p == exe() + "0"; };
  const auto isKeptCopy = [this](const std::string& p) { return p == exe() + "0.kept"; };
  const auto isKeptOld = [this](const std::string& p) { return p == exe() + ".kept"; };
  const auto anywhere = [](const std::string&) { return true; };
  using platform::detail::CallFault;
  using Calls = platform::detail::CallFaults;
  struct Fault {
    platform::detail::FaultAt Calls::*call;
    std::function<bool(const std::string&)> at;
    CallFault fault;
  };
  // Makes calls fail as a file system can, from when the returned function runs.
  const auto install = [](std::vector<Fault> faults) {
    return [faults] {
      for (const Fault& c : faults)
        platform::detail::callFaults().*c.call = [c](const std::string& p) { return c.at(p) ? c.fault : CallFault(); };
    };
  };
  // The same from the start of the pass, then runs `also` (a change another program makes).
  const auto failing = [install](std::vector<Fault> faults, std::function<void(Form1&)> also = {}) {
    return [set = install(faults), also](Form1& f) {
      set();
      if (also) also(f);
    };
  };
  const Fault noExchange{&Calls::exchange, anywhere, EINVAL};
  const Fault noReplaceInOneStep{&Calls::renameNoReplace, anywhere, EINVAL};
  const Fault noLinks{&Calls::link, anywhere, EPERM};
  // A call on the executable's name that takes effect and reports an error.
  const auto late = [isExe](platform::detail::FaultAt Calls::*call) {
    return Fault{call, isExe, CallFault(EIO, true)};
  };
  // The same, after which the executable cannot be looked at.
  const auto lateThenUnseen = [isExe](platform::detail::FaultAt Calls::*call) {
    return Fault{call, isExe, CallFault(EIO, true, [isExe] {
                   platform::detail::callFaults().look = [isExe](const std::string& p) { return isExe(p) ? EIO : 0; };
                 })};
  };
  // A fault on the first call at a name only.
  const auto once = [](Fault f) {
    f.at = [at = f.at, fired = std::make_shared<bool>(false)](const std::string& p) {
      return !*fired && at(p) && (*fired = true);
    };
    return f;
  };
  // An earlier kept copy beside the executable, and a file another program puts at the working
  // copy's name as it is synced, to be kept too.
  const auto keptEarlierAndFoundNow = [this, found = atSync(moveInto("newer", workingCopyName))](Form1& f) {
    putBytes(exe() + "0.kept", "earlier");
    found(f);
  };
  // The executable from before the pass cut, and its name seen once more only.
  const auto changedThenUnseen = [this, isOwn, failLook, install, once] {
    return [this, set = install({once({&Calls::look, isOwn, CallFault(0, false, failLook(isOwn, EIO))})})] {
      fs::resize_file(ownName(), 0);
      set();
    };
  };
  const auto modified = [](const std::string& note) { return "Modified: tomb4.exe was modified.\r\n" + note + "|"; };
  const auto refused = [](const std::string& detail) { return "Cannot modify file: " + failed(detail) + "|"; };
  const std::string keptOld = "The executable from before the pass was kept as \"" + exe() + ".kept\"";
  const std::string notAsCopied = "The executable from before the pass, which another program changed or replaced "
                                  "after it was copied, was kept as \"" + exe() + ".kept\"";
  const std::string unseenAtLastLook = modified("Cannot look at \"" + exe() +
                                                "\": Input/output error; whether it still holds the patched copy "
                                                "cannot be told\r\n" + keptOld);
  const std::string replacedAfter = "Cannot replace \"" + exe() +
                                    "\": another program put another file there as the patched copy took its place; "
                                    "that file stays. ";
  struct Row {
    const char* name;
    std::function<void(Form1&)> set;
    bool committed;       // the pass succeeded (exit status 0) and tomb4.exe holds the patched copy
    std::string message;  // what the pass said, if anything
    std::map<std::string, std::string> beside = {};  // every other file in the folder, with its bytes
    bool unprivileged = false;
    std::string atExe = {};  // what tomb4.exe holds where it is neither the patched copy nor the original
  } rows[] = {
      {"a file moved to the working copy's name just before the exchange",
       atExchange(moveInto("not the copy", workingCopyName)), true, "", {{"tomb4.exe0", "not the copy"}}},
      {"the working copy's name emptied just before the exchange",
       atExchange([this] { fs::remove(exe() + "0"); }), true, ""},
      {"a file moved to the working copy's name just after the exchange",
       afterExchange(moveInto("newer", workingCopyName)), true, "", {{"tomb4.exe0", "newer"}}},
      {"a newer file moved into place just before the exchange",
       atExchange(moveInto(reflayout::referenceExecutable() + "newer", [this] { return exe(); })), true,
       modified(notAsCopied), {{"tomb4.exe.kept", reflayout::referenceExecutable() + "newer"}}},
      {"the executable from before the pass cut just after the exchange",
       afterExchange([this] { fs::resize_file(ownName(), 0); }), true, modified(notAsCopied), {{"tomb4.exe.kept", ""}}},
      {"the executable from before the pass replaced just after the exchange",
       afterExchange(moveInto("newer", ownNameNow)), true, modified(notAsCopied), {{"tomb4.exe.kept", "newer"}}},
      {"the executable from before the pass cut at the last look",
       atLastLook([this] { fs::resize_file(ownName(), 0); }), true, modified(notAsCopied), {{"tomb4.exe.kept", ""}}},
      {"another file moved to the run's own name at the last look", atLastLook(moveInto("newer", ownNameNow)), true,
       modified(notAsCopied), {{"tomb4.exe.kept", "newer"}}},
      {"the folder cannot be synced",
       [](Form1&) { platform::detail::callFaults().folderSync = [](const std::string&) { return EIO; }; }, true,
       modified("Cannot sync folder \"" + dir.path() + "\": Input/output error")},
      {"a folder an ordinary user may change but not read", [this](Form1&) { ::chmod(dir.path().c_str(), 0333); }, true,
       modified("Cannot open folder \"" + dir.path() + "\": Permission denied"), {}, true},
      {"the executable cannot be looked at in the last look", atLastLook(failLook(isExe, EIO)), true, unseenAtLastLook,
       {{"tomb4.exe.kept", original}}},
      {"the executable from before the pass cannot be looked at", afterExchange(failLook(isOwn, EACCES)), true,
       modified("Cannot look at \"" + own + "\": Permission denied. " + keptOld), {{"tomb4.exe.kept", original}}},
      {"the executable from before the pass cannot be removed",
       [isOwn](Form1&) {
         platform::detail::callFaults().remove = [isOwn](const std::string& p) { return isOwn(p) ? EIO : 0; };
       },
       true, modified("Cannot remove \"" + own + "\": Input/output error. " + keptOld), {{"tomb4.exe.kept", original}}},
      {"the executable from before the pass removed though its removal reports an error",
       failing({{&Calls::remove, isOwn, CallFault(EIO, true)}}), true, ""},
      {"the executable from before the pass kept though its keeping reports an error",
       failing({{&Calls::remove, isOwn, EIO}, {&Calls::renameNoReplace, isKeptOld, CallFault(EIO, true)}}), true,
       modified("Cannot remove \"" + own + "\": Input/output error. " + keptOld), {{"tomb4.exe.kept", original}}},
      // A step that reports an error though it took effect, as network and FUSE file systems can:
      // the names tell what stands.
      {"an exchange that took effect and reports an error", failing({late(&Calls::exchange)}), true, ""},
      {"a move to the run's own name that took effect and reports an error",
       failing({{&Calls::renameNoReplace, isOwn, CallFault(EIO, true)}}), true, ""},
      {"a move to the run's own name that took effect and reports that the name is taken",
       failing({once({&Calls::renameNoReplace, isOwn, CallFault(EEXIST, true)})}), true, ""},
      {"a link to the run's own name that took effect and reports that the name is taken",
       failing({noReplaceInOneStep, once({&Calls::link, isOwn, CallFault(EEXIST, true)})}), true, ""},
      {"an exchange that took effect and reports that names cannot be exchanged",
       failing({{&Calls::exchange, isExe, CallFault(EINVAL, true)}}), true, ""},
      {"an exchange that fails", failing({{&Calls::exchange, isExe, EIO}}), false,
       refused("Cannot replace \"" + exe() + "\": Input/output error")},
      {"a file put at the run's own name before the copy moves there",
       [](Form1&) {
         passHooks().StageWriters["DRACO"] = [](platform::RandomAccessFile& file) {
           file.write(5000, "patched");
           putBytes(file.ownName(), "put there");
         };
       },
       true, modified("The file found at \"" + own + "\" was kept as \"" + exe() + "0.kept\"."),
       {{"tomb4.exe0.kept", "put there"}}},
      // Where names cannot be exchanged, the copy is renamed over the executable, which keeps a
      // name of the run's own (where links are made) until the last look has found the copy.
      {"names that cannot be exchanged", failing({noExchange}), true, ""},
      {"names that cannot be exchanged nor linked", failing({noExchange, noLinks}), true, ""},
      {"a rename that took effect and reports an error", failing({noExchange, late(&Calls::rename)}), true, ""},
      {"a rename that fails", failing({noExchange, {&Calls::rename, isExe, EIO}}), false,
       refused("Cannot replace \"" + exe() + "\": Input/output error")},
      // The run's own name tells whether a rename or exchange took effect where the executable
      // cannot be looked at.
      {"a rename that took effect, reports an error, and the executable cannot be looked at then",
       failing({noExchange, lateThenUnseen(&Calls::rename)}), true, unseenAtLastLook, {{"tomb4.exe.kept", original}}},
      {"an exchange that took effect, reports an error, and the executable cannot be looked at then",
       failing({lateThenUnseen(&Calls::exchange)}), true, unseenAtLastLook, {{"tomb4.exe.kept", original}}},
      {"a link to the executable refused as to another user's file, and another file moved into place just before",
       failing({noExchange, noLinks},
               atExchange(moveInto(reflayout::referenceExecutable() + "newer", [this] { return exe(); }))),
       false, refused(sourceChanged()), {}, false, reflayout::referenceExecutable() + "newer"},
      {"the executable replaced just before a link to it fails",
       failing({noExchange, {&Calls::link, isOwn, EIO}},
               atExchange(moveInto(reflayout::referenceExecutable() + "newer", [this] { return exe(); }))),
       false,
       refused(sourceChanged()), {}, false, reflayout::referenceExecutable() + "newer"},
      {"another file moved into place after the look that follows the refused exchange, just before the link",
       failing({noExchange},
               atExchange(install({{&Calls::look,
                                    [isExe, looks = std::make_shared<int>(0)](const std::string& p) {
                                      return isExe(p) && ++*looks == 2;  // the second, after the exchange
                                    },
                                    CallFault(0, false, moveInto("newer", [this] { return exe(); }))}}))),
       false, refused(sourceChanged()), {}, false, "newer"},
      {"another file moved into place just after the link to the executable",
       failing({noExchange, once({&Calls::link, isOwn, CallFault(0, false, moveInto("newer", [this] { return exe(); }))})}),
       false, refused(sourceChanged() + "\r\n" + keptOld), {{"tomb4.exe.kept", original}}, false, "newer"},
      {"another file moved to the run's own name just before the rename",
       failing({noExchange}, atExchange(moveInto("newer", ownNameNow))), false,
       refused(workingCopyGone() + "\r\nThe file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept\"."),
       {{"tomb4.exe0.kept", "newer"}}},
      // Where a rename cannot refuse to replace in one step, a link and a removal do; only where
      // links are refused is a name looked at first, and a look that fails is no free name.
      {"a file kept where renames cannot refuse to replace, and a look fails",
       failing({noReplaceInOneStep, {&Calls::look, isKeptCopy, EIO}}, keptEarlierAndFoundNow),
       false,
       refused(workingCopyGone() + "\r\nThe file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept-2\"."),
       {{"tomb4.exe0.kept", "earlier"}, {"tomb4.exe0.kept-2", "newer"}}},
      {"a file kept where neither renames refuse nor links are made, and a look fails",
       failing({noReplaceInOneStep, noLinks, {&Calls::look, isKeptCopy, EIO}}, keptEarlierAndFoundNow), false,
       refused(workingCopyGone() + "\r\nCannot keep \"" + own + "\": Input/output error"),
       {{"tomb4.exe0.kept", "earlier"}, {".olvex-OWN.tmp", "newer"}}},
      {"the working copy's name cannot be removed after its link",
       failing({noReplaceInOneStep, {&Calls::remove, isWorkingCopy, EIO}}), false,
       refused("Cannot move aside \"" + exe() + "0\": Input/output error\r\nCannot move aside \"" + exe() +
               "0\": Input/output error"),
       {{"tomb4.exe0", patched}}},
      // The executable from before the pass kept where renames cannot refuse to replace, once
      // another program replaced the patched copy.
      {"the run's own name removed though its removal reports an error",
       failing({noReplaceInOneStep, {&Calls::remove, isOwn, CallFault(EIO, true)}}, afterExchange(moveNewer)), false,
       refused(replacedAfter + keptOld), {{"tomb4.exe.kept", original}}, false, "newer"},
      {"a file put at the kept name just after the link",
       failing({noReplaceInOneStep, once({&Calls::link, isKeptOld, CallFault(0, false, moveInto("put there", keptName))})},
               afterExchange(moveNewer)),
       false, refused(replacedAfter + "The executable from before the pass was kept as \"" + exe() + ".kept-2\""),
       {{"tomb4.exe.kept", "put there"}, {"tomb4.exe.kept-2", original}}, false, "newer"},
      // A look that fails where a file is moved aside: the move goes on, and a message says
      // where a file is only after a look found it there.
      {"the executable from before the pass changed, and its name cannot be looked at from then on",
       afterExchange(changedThenUnseen()), true, modified(notAsCopied), {{"tomb4.exe.kept", ""}}},
      {"the same where renames cannot refuse to replace",
       failing({noReplaceInOneStep}, afterExchange(changedThenUnseen())), true, modified(notAsCopied),
       {{"tomb4.exe.kept", ""}}},
      {"the name a link kept the executable from before the pass at cannot be looked at",
       failing({noReplaceInOneStep, {&Calls::look, isKeptOld, EIO}}, afterExchange(moveNewer)), false,
       refused(replacedAfter + "Cannot keep \"" + own + "\": a link to it was made at \"" + exe() +
               ".kept\", but no look proved it there (Input/output error). The executable from before the pass is at \"" +
               own + "\""),
       {{"tomb4.exe.kept", original}, {".olvex-OWN.tmp", original}}, false, "newer"},
      {"the working copy replaced between the look and the link that move it aside",
       failing({noReplaceInOneStep}, atSync(install({once({&Calls::look, isWorkingCopy,
                                                             CallFault(0, false, moveInto("newer", workingCopyName))})}))),
       false, refused(workingCopyGone() + "\r\nThe file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept\"."),
       {{"tomb4.exe0.kept", "newer"}}},
      {"a rename without links that took effect and reports an error as it keeps the executable from before the pass",
       failing({noReplaceInOneStep, noLinks, {&Calls::rename, isKeptOld, CallFault(EIO, true)}}, afterExchange(moveNewer)),
       false, refused(replacedAfter + keptOld), {{"tomb4.exe.kept", original}}, false, "newer"},
      {"the executable cannot be looked at before the exchange", atSync(failLook(isExe, EIO)), false,
       refused("Cannot look at \"" + exe() + "\": Input/output error")},
      {"the working copy cannot be looked at at the run's own name", atSync(failLook(isOwn, EACCES)), false,
       refused("Cannot look at \"" + own + "\": Permission denied\r\nCannot look at \"" + own +
               "\": Permission denied. The file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept\"."),
       {{"tomb4.exe0.kept", patched}}},
      // On ext4 a file made just after another is removed gets its inode number.
      {"the working copy removed at the run's own name and another file made there, and the exchange fails",
       failing({{&Calls::exchange, isExe, EIO}}, atExchange([this] {
                 const std::string name = ownName();
                 fs::remove(name);
                 putBytes(name, "another program's");
               })),
       false, refused(workingCopyGone() + "\r\nThe file found at \"" + exe() + "0\" was kept as \"" + exe() + "0.kept\"."),
       {{"tomb4.exe0.kept", "another program's"}}},
  };
  const PassHooks installed = passHooks();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    putBytes(exe(), original);
    Form1& f = start();
    passHooks().StageWriters["DRACO"] = [](platform::RandomAccessFile& file) { file.write(5000, "patched"); };
    if (r.set) r.set(f);
    const auto passSays = [&] {
      const bool committed = shell::form1Hooks().ModifyExe();
      return (committed ? "committed " : "refused ") + ownNamesAsOne(messages());
    };
    EXPECT_EQ(r.unprivileged ? olvex::test::RunUnprivileged(passSays) : passSays(),
              (r.committed ? "committed " : "refused ") + r.message);
    ::chmod(dir.path().c_str(), 0700);
    platform::detail::callFaults() = {};
    EXPECT_TRUE(bytesOf(exe()) == (!r.atExe.empty() ? r.atExe : r.committed ? patched : original));
    std::map<std::string, std::string> beside;
    for (const fs::path& file : besideExecutable(dir.path())) {
      beside[ownNamesAsOne(file.filename().string())] = bytesOf(file.string());
      fs::remove(file);
    }
    EXPECT_EQ(beside, r.beside);
    fs::remove(newer);
    passHooks() = installed;
    Forms::reset();
  }
}

}  // namespace
}  // namespace olvex::patcher::test
