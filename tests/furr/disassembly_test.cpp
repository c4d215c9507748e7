// Checks with an outside disassembler (binutils objdump) that every template of the built-in
// command set and the linked images are the x86 instructions they name, jump and call targets
// included. Skipped where objdump is not installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "furr/checker.h"
#include "furr/compiler.h"
#include "furr/flip_linker.h"
#include "furr/parameters.h"
#include "furr/race_linker.h"
#include "platform/files.h"
#include "platform/temp_folder.h"
#include "support/objdump.h"
#include "support/test_host.h"

namespace olvex::furr {
namespace {

using platform::test_files::TempFolder;

using test::Disassemble;
using test::HaveObjdump;

std::vector<std::string> disassemble(const std::string& bytes, std::uint64_t vma) { return Disassemble(bytes, vma); }

// Without addresses, joined by "; ".
std::string instructionsOf(const std::string& bytes) {
  std::string joined;
  for (const std::string& i : disassemble(bytes, 0)) joined += (joined.empty() ? "" : "; ") + i.substr(i.find(": ") + 2);
  return joined;
}

std::string bytesOfHex(const std::string& hex) {
  std::string r;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) r += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return r;
}

class Disassembly : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveObjdump()) GTEST_SKIP() << "objdump is not installed";
  }
  test::TestHost host;
};

// One sample line per command of the built-in set and the instructions it compiles to. A
// constant that the command's default allow list refuses leaves the template's placeholder. The
// sound, soundtrack, save and load commands call through the four entries of the FURR call map,
// which the race-timer writer fills at FEAddressMapOffset (file position 753200, so 0x4B7E2F).
struct Sample {
  const char* line;
  const char* instructions;
};
const std::vector<Sample> kSamples = {
      {"EQUIP SHOTGUN", "mov WORD PTR ds:0x80e12a,0x4"},
      {"HOLSTER_WEAPONS", "mov WORD PTR ds:0x80e126,0x3"},
      {"INC_HP 100 1000", "mov eax,ds:0x80e11c; add WORD PTR [eax+0x22],0x64; mov dx,0x3e8; cmp WORD PTR [eax+0x22],dx; jle 0x19; mov WORD PTR [eax+0x22],dx"},
      {"DEC_HP 250", "mov eax,ds:0x80e11c; sub WORD PTR [eax+0x22],0xfa"},
      {"INC_AIR 300 1800", "add WORD PTR ds:0x80e130,0x12c; mov dx,0x708; cmp WORD PTR ds:0x80e130,dx; jle 0x1d; mov WORD PTR ds:0x80e130,dx"},
      {"DEC_AIR 60", "sub WORD PTR ds:0x80e130,0x3c"},
      {"SET_POISON 20", "mov WORD PTR ds:0x80e132,0x14"},
      {"KILL_LARA", "mov eax,ds:0x80e11c; mov WORD PTR [eax+0x22],0x0"},
      {"REMOVE_PISTOLS", "mov BYTE PTR ds:0x80dfd2,0x0"},
      {"SET_BINOCULARS -1", "mov al,0xff; cbw; mov ds:0x80dfd9,ax"},
      {"SET_CROWBAR 1", "mov BYTE PTR ds:0x80dfdb,0x1"},
      {"SET_LASERSIGHT 1", "mov BYTE PTR ds:0x80dfd8,0x1"},
      {"DEACTIVATE_WEAPONS", "mov WORD PTR ds:0x80e126,0x0; mov WORD PTR ds:0x80e128,0x0"},
      {"EMPTY_HOLSTERS", "mov WORD PTR ds:0x80e12e,0xe"},
      {"EMPTY_BACKDRAW", "mov WORD PTR ds:0x80e12c,0x0"},
      {"REMOVE_ALL_GUNS", "mov DWORD PTR ds:0x80dfd2,0x0; mov WORD PTR ds:0x80dfd6,0x0"},
      {"CALL_FLIP 5", "call DWORD PTR ds:0x4abe94"},
      {"MOV_BYTE 80DE1C 5", "mov BYTE PTR ds:0x80de1c,0x5"},
      {"MOV_WORD 80DE1C -2", "mov WORD PTR ds:0x80de1c,0xfffe"},
      {"MOV_DWORD 80DE1C 100000", "mov DWORD PTR ds:0x80de1c,0x186a0"},
      {"ADD_KEY KEY_ITEM3", "or WORD PTR ds:0x80dfef,0x4"},
      {"REMOVE_KEY KEY_ITEM12", "mov ax,0x800; not ax; and WORD PTR ds:0x80dfef,ax"},
      {"ADD_QUESTITEM QUEST_ITEM2", "xor eax,eax; mov ax,0xfd; mov BYTE PTR [eax+0x80def7],0x1"},
      {"REMOVE_QUESTITEM QUEST_ITEM6", "xor eax,eax; mov ax,0x101; mov BYTE PTR [eax+0x80def7],0x0"},
      {"ADD_EXAMINE1", "mov BYTE PTR ds:0x80dfde,0x1"},
      {"REMOVE_EXAMINE1", "mov BYTE PTR ds:0x80dfde,0x0"},
      {"ADD_EXAMINE2", "mov BYTE PTR ds:0x80dfdf,0x1"},
      {"REMOVE_EXAMINE2", "mov BYTE PTR ds:0x80dfdf,0x0"},
      {"ADD_EXAMINE3", "mov BYTE PTR ds:0x80dfe0,0x1"},
      {"REMOVE_EXAMINE3", "mov BYTE PTR ds:0x80dfe0,0x0"},
      {"SET_WATERSKIN1 3", "mov BYTE PTR ds:0x80dfdc,0x3"},
      {"SET_WATERSKIN2 5", "mov BYTE PTR ds:0x80dfdd,0x5"},
      {"SET_PUZZLEITEM PUZZLE_ITEM3 2", "mov eax,0xb1; mov BYTE PTR [eax+0x80df32],0x2"},
      {"ADD_PUZZLEITEM PUZZLE_ITEM1 1", "mov eax,0x0; add BYTE PTR [eax+0x80df32],0x1"},
      {"ADD_PUZZLECOMBO COMBO3_2", "bts WORD PTR ds:0x80dfed,0x5"},
      {"SET_SUPPLY UZI_AMMO 30", "mov WORD PTR ds:0x80e001,0x1e"},
      {"ADD_SUPPLY FLARES 4", "add WORD PTR ds:0x0,0x4"},
      {"ADD_WEAPON CROSSBOW", "mov BYTE PTR ds:0x80dfd5,0x9"},
      {"REMOVE_WEAPON REVOLVER", "mov BYTE PTR ds:0x80dfd7,0x0"},
      {"START_TIMER", "cmp DWORD PTR ds:0x7f7746,0x0; jg 0x13; mov DWORD PTR ds:0x7f7746,0x1"},
      {"START_TIMER_FROM 1:30", "cmp DWORD PTR ds:0x7f7746,0x0; jg 0x13; mov DWORD PTR ds:0x7f7746,0xa8d"},
      {"SET_TIMER 0:10", "mov DWORD PTR ds:0x7f7746,0x12d"},
      {"STOP_TIMER", "mov DWORD PTR ds:0x7f7746,0x0"},
      {"FREEZE_NORMAL_TIMER", "dec DWORD PTR ds:0x7f7746"},
      {"FREEZE_INVERTED_TIMER", "inc DWORD PTR ds:0x7f7746"},
      {"PLAY_SAMPLE 105", "push 0x0; push 0x0; push 0x69; call DWORD PTR ds:0x4b7e2f; add esp,0xc"},
      {"PLAY_SOUNDTRACK 12", "push 0x0; push 0xc; call DWORD PTR ds:0x4b7e33; add esp,0x8"},
      {"LOAD_LEVEL 4", "mov BYTE PTR ds:0x7fe220,0x4; mov BYTE PTR ds:0x7fe221,0x1"},
      {"FLASH_RED", "mov DWORD PTR ds:0x7fe200,0xff0000; mov WORD PTR ds:0x7fe204,0x8"},
      {"FLASH_ORANGE", "mov DWORD PTR ds:0x7fe200,0xff8000; mov WORD PTR ds:0x7fe204,0x8"},
      {"FLASH_YELLOW", "mov DWORD PTR ds:0x7fe200,0xffff00; mov WORD PTR ds:0x7fe204,0x8"},
      {"FLASH_GREEN", "mov DWORD PTR ds:0x7fe200,0xff00; mov WORD PTR ds:0x7fe204,0x8"},
      {"FLASH_LIGHTGREEN", "mov DWORD PTR ds:0x7fe200,0x80ff80; mov WORD PTR ds:0x7fe204,0x8"},
      {"FLASH_BLUE", "mov DWORD PTR ds:0x7fe200,0xff; mov WORD PTR ds:0x7fe204,0x8"},
      {"SHAKE_CAMERA -48", "mov DWORD PTR ds:0x7fe1c4,0xffffffd0"},
      {"SHAKE_CAMERA_SOFT", "mov DWORD PTR ds:0x7fe1c4,0xffffffe0"},
      {"SHAKE_CAMERA_MEDIUM", "mov DWORD PTR ds:0x7fe1c4,0xffffffc0"},
      {"SHAKE_CAMERA_HEAVY", "mov DWORD PTR ds:0x7fe1c4,0xffffff80"},
      {"SET_LEGEND_TIME 200", "mov BYTE PTR ds:0x7fe210,0xc8"},
      {"SET_LEGEND_STRING 7", "mov BYTE PTR ds:0x7fe211,0x7"},
      {"SAVE_GAME", "call DWORD PTR ds:0x4b7e37"},
      {"LOAD_GAME", "call DWORD PTR ds:0x4b7e3b"},
      {"PLAY_ANIM 103", "mov eax,ds:0x80e11c; mov WORD PTR [eax+0x14],0x67"},
      {"ORIENTATE 16384", "mov eax,ds:0x80e11c; mov WORD PTR [eax+0x4e],0x4000"},
      {"ROTATE -8192", "mov eax,ds:0x80e11c; add WORD PTR [eax+0x4e],0xe000"},
      {"CHANGE_POSITION 40960 -2048", "mov eax,ds:0x80e11c; mov DWORD PTR [eax+0x40],0xa000; mov DWORD PTR [eax+0x48],0xfffff800"},
      {"CHANGE_POSITION_X 512", "mov eax,ds:0x80e11c; mov DWORD PTR [eax+0x40],0x200"},
      {"CHANGE_POSITION_Y -768", "mov eax,ds:0x80e11c; mov DWORD PTR [eax+0x44],0xfffffd00"},
      {"CHANGE_POSITION_Z 1024", "mov eax,ds:0x80e11c; mov DWORD PTR [eax+0x48],0x400"},
      {"ADD_POSITION 256 -256", "mov eax,ds:0x80e11c; add DWORD PTR [eax+0x40],0x100; add DWORD PTR [eax+0x48],0xffffff00"},
      {"UVROTATE -4", "mov BYTE PTR ds:0x7fe214,0xfc"},
      {"MOVE_ITEM_X 12 1024", "mov eax,0xc; imul eax,eax,0x160; add eax,DWORD PTR ds:0x80e118; add DWORD PTR [eax+0x40],0x400"},
      {"MOVE_ITEM_Y 13 -256", "mov eax,0xd; imul eax,eax,0x160; add eax,DWORD PTR ds:0x80e118; add DWORD PTR [eax+0x44],0xffffff00"},
      {"MOVE_ITEM_Z 14 2048", "mov eax,0xe; imul eax,eax,0x160; add eax,DWORD PTR ds:0x80e118; add DWORD PTR [eax+0x48],0x800"},
      {"KILL_ITEM 33", "push 0x21; mov eax,0x454b30; call eax; add esp,0x4"},
      {"SET_HP 7 500", "mov eax,0x7; imul eax,eax,0x160; add eax,DWORD PTR ds:0x80e118; mov WORD PTR [eax+0x22],0x1f4"},
      {"SPEEDDN", "mov eax,ds:0x80e11c; sub WORD PTR [eax+0x1e],0x8"},
      {"SPEEDUP", "mov eax,ds:0x80e11c; add WORD PTR [eax+0x1e],0x8"},
      {"MOVE_MIRROR 9 -3072", "mov BYTE PTR ds:0x7fe230,0x9; mov DWORD PTR ds:0x7fe234,0xfffff400"},
      {"STOP", "mov eax,ds:0x80e11c; mov WORD PTR [eax+0x1e],0x0; mov WORD PTR [eax+0x20],0x0"},
      {"RESET", "mov eax,ds:0x80e11c; mov WORD PTR [eax+0xe],0x2; mov WORD PTR [eax+0x10],0x2"},
      {"RET", "ret"},
      {"RETN", "ret"},
      {"NOP", "nop"},
      {"ONLY_IN_WATER", "cmp WORD PTR ds:0x80e124,0x0; jne 0xb; ret"},
      {"ONLY_ON_LAND", "cmp WORD PTR ds:0x80e124,0x0; je 0xb; ret"},
      {"ENVIRONMENT 2", "cmp WORD PTR ds:0x80e124,0x2; je 0xb; ret"},
      {"BYTE_IF= 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; je 0xa; ret"},
      {"BYTE_IF!= 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; jne 0xa; ret"},
      {"BYTE_IF> 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; jg 0xa; ret"},
      {"BYTE_IF< 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; jl 0xa; ret"},
      {"BYTE_IF<= 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; jle 0xa; ret"},
      {"BYTE_IF>= 7FE240 -3", "cmp BYTE PTR ds:0x7fe240,0xfd; jge 0xa; ret"},
      {"WORD_IF= 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; je 0xc; ret"},
      {"WORD_IF!= 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; jne 0xc; ret"},
      {"WORD_IF> 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; jg 0xc; ret"},
      {"WORD_IF< 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; jl 0xc; ret"},
      {"WORD_IF<= 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; jle 0xc; ret"},
      {"WORD_IF>= 7FE240 1000", "cmp WORD PTR ds:0x7fe240,0x3e8; jge 0xc; ret"},
      {"DWORD_IF= 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; je 0xd; ret"},
      {"DWORD_IF!= 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; jne 0xd; ret"},
      {"DWORD_IF> 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; jg 0xd; ret"},
      {"DWORD_IF< 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; jl 0xd; ret"},
      {"DWORD_IF<= 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; jle 0xd; ret"},
      {"DWORD_IF>= 7FE240 -100000", "cmp DWORD PTR ds:0x7fe240,0xfffe7960; jge 0xd; ret"},
};

TEST_F(Disassembly, EveryTemplateOfTheBuiltInSet) {
  const CommandSet& set = BuiltInCommandSet();
  std::set<std::string> sampled;
  for (const Sample& s : kSamples) {
    sampled.insert(std::string(SplitWords(s.line).command));
    std::string hex = CompileRaceEvent(set, s.line);
    ASSERT_FALSE(hex.empty()) << s.line;
    EXPECT_EQ(instructionsOf(bytesOfHex(hex)), s.instructions) << s.line;
  }
  for (const Command& c : set.commands) EXPECT_TRUE(sampled.count(c.name)) << "no sample for " << c.name;
  EXPECT_TRUE(host.messages.empty());
}

// Every template of the built-in set with its parameters filled twice, with different bytes:
// the instructions end exactly where the template ends, and each parameter lies in one
// instruction's immediate or displacement, so that the other fill changes only a number it
// shows, never an opcode or register.
TEST_F(Disassembly, EveryTemplateEndsWithItsInstructionsAndHoldsItsParametersInOperands) {
  struct Param {
    std::size_t offset;
    std::size_t width;
  };
  static const std::regex number("0x[0-9a-f]+");
  for (const Command& c : BuiltInCommandSet().commands) {
    if (c.name.empty()) continue;  // row 0
    SCOPED_TRACE(c.name);
    const std::string bytes = bytesOfHex(c.templ);
    std::vector<Param> params;
    for (const auto& [type, offset] : {std::pair{c.type1, c.offset1}, std::pair{c.type2, c.offset2}})
      if (int width = ParamWidth(ParseParamType(type)); width > 0)
        params.push_back({static_cast<std::size_t>(offset), static_cast<std::size_t>(width)});
    auto filled = [&](char fill) {
      std::string b = bytes;
      for (const Param& p : params) b.replace(p.offset, p.width, p.width, fill);
      return test::DisassembleInstructions(b, 0);
    };
    const std::vector<test::Instruction> one = filled('\x11'), other = filled('\x5A');
    ASSERT_EQ(one.size(), other.size());
    std::size_t end = 0;
    for (std::size_t i = 0; i < one.size(); ++i) {
      EXPECT_EQ(one[i].address, end) << one[i].text;
      EXPECT_EQ(other[i].length, one[i].length) << one[i].text;
      EXPECT_EQ(std::regex_replace(other[i].text, number, "N"), std::regex_replace(one[i].text, number, "N"));
      end += one[i].length;
    }
    EXPECT_EQ(end, bytes.size()) << "the instructions do not end where the template ends";
    for (const Param& p : params) {
      auto in = std::find_if(one.begin(), one.end(), [&](const test::Instruction& i) {
        return i.address < p.offset && p.offset + p.width <= i.address + i.length;
      });
      ASSERT_NE(in, one.end()) << "no instruction holds the parameter at " << p.offset;
      EXPECT_NE(other[in - one.begin()].text, in->text) << "the parameter at " << p.offset << " is no operand";
    }
  }
}

CommandSet withRelativeCall() {
  CommandSet set = BuiltInCommandSet();
  set.commands.push_back(ParseCommandSet("E8//00454B30 0 0 KILLCALL").set.commands[0]);
  return set;
}

TEST_F(Disassembly, LinkedFlipeffectImage) {
  TempFolder folder;
  FlipLinkOptions options{true, true, false, true, OneShotMode::Pre};
  FlipVersionData version{"C3", "C3", 790529, 790529 + 0x40000};
  std::vector<FlipSlot> slots = {{"BYTE_IF= 7FE240 1\r\nKILL_LARA", 1}, {"NOP\r\nKILLCALL"}};
  FlipLinkResult r = LinkFlipeffects(withRelativeCall(), slots, options, version, folder.path());
  ASSERT_TRUE(r.linked());
  EXPECT_EQ(disassemble(r.image.substr(0x2100), 0x815100), (std::vector<std::string>{
      "815100: push ebx",
      "815101: push ecx",
      "815102: mov ecx,0x990000",
      "815107: mov ebx,0x2f",
      "81510c: sub ebx,0x2f",
      "81510f: mov BYTE PTR [ecx+ebx*1],0x1",
      "815113: pop ecx",
      "815114: pop ebx",
      "815115: mov WORD PTR ds:0x4acbfe,0x2f",
      "81511e: cmp BYTE PTR ds:0x7fe240,0x1",
      "815125: je 0x815128",
      "815127: ret",
      "815128: mov eax,ds:0x80e11c",
      "81512d: mov WORD PTR [eax+0x22],0x0",
      "815133: ret",
      "815134: nop",
      "815135: call 0x454b30",
      "81513a: ret",
  }));
  // The one-shot gate of either load base returns to the same game address.
  const std::vector<std::string> gate = {"push ebx", "push ecx", "mov bx,WORD PTR ds:0x4acbfe", "mov ecx,0x990000",
                                         "movsx ebx,ax", "sub ebx,0x2f", "cmp BYTE PTR [ecx+ebx*1],0x1", "jne 0x81401e",
                                         "mov ax,0xffff", "pop ecx", "pop ebx", "mov ds:0x4acbfc,ax", "jmp 0x44abc1"};
  std::vector<std::string> got = disassemble(r.image.substr(0x1000, 43), 0x814000);
  ASSERT_EQ(got.size(), gate.size());
  for (std::size_t i = 0; i < gate.size(); ++i) EXPECT_EQ(got[i].substr(got[i].find(": ") + 2), gate[i]);

  options.remapSceneMemory = true;
  r = LinkFlipeffects(withRelativeCall(), slots, options, version, folder.path());
  ASSERT_TRUE(r.linked());
  got = disassemble(r.image.substr(0x1000, 43), 0xC14000);
  ASSERT_EQ(got.size(), gate.size());
  EXPECT_EQ(got[3], "c14009: mov ecx,0xd90000");
  EXPECT_EQ(got.back(), "c14026: jmp 0x44abc1");
  EXPECT_EQ(disassemble(r.image.substr(0x2100 + 0x35, 5), 0xC15135), std::vector<std::string>{"c15135: call 0x454b30"});
}

TEST_F(Disassembly, LinkedRaceTimerProcedure) {
  TempFolder folder;
  RaceLinkOptions options{true, true, true, false};
  RaceVersionData version{"FF0546777F00", "FF0D46777F00", 8728576, 12922880, 790529 + 0x40000, 790529, 524287};
  std::vector<RaceEvent> events = {{"KILLCALL", 0, 1}, {"", 0, 5}, {"ONLY_ON_LAND\r\nKILLCALL", 0, 2}};
  LinkResult r = LinkRaceTimer(withRelativeCall(), events, options, version, folder.path());
  ASSERT_TRUE(r.linked());
  EXPECT_EQ(disassemble(r.image, 0xC53000), (std::vector<std::string>{
      "c53000: inc DWORD PTR ds:0x7f7746",
      "c53006: cmp DWORD PTR ds:0x7f7746,0x1f",
      "c53010: jne 0xc5301b",
      "c53016: call 0x454b30",
      "c5301b: cmp DWORD PTR ds:0x7f7746,0x3d",
      "c53025: jne 0xc5303b",
      "c5302b: cmp WORD PTR ds:0x80e124,0x0",
      "c53033: je 0xc53036",
      "c53035: ret",
      "c53036: call 0x454b30",
      "c5303b: ret",
  }));
}

}  // namespace
}  // namespace olvex::furr
