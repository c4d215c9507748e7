#include "shell/form1.h"

#include <exception>

#include "platform/files.h"
#include "shell/about_box.h"
#include "shell/config_reader.h"
#include "shell/config_state.h"
#include "shell/form1_hooks.h"
#include "shell/run_status.h"
#include "shell/splash.h"
#include "shell/unload_all.h"
#include "shell/version_loader.h"
#include "shell/version_signature.h"
#include "shell/version_table.h"
#include "ui/host.h"

namespace olvex::shell {

namespace {

constexpr const char* kLoadErrorText =
    "Error loading patcher. Possible cause: wrong config/executable or program error.";

void runHook(const std::function<void()>& hook) {
  if (hook) hook();
}

// Buttons and images whose Click belongs to another module's window.
constexpr const char* kForeignActions[] = {
    "Command10", "Command11", "Command12", "Command13", "Command14", "Command15",
    "Command16", "Command17", "Command18", "Command19", "Command20", "Command21", "Command22",
    "Command24", "Command25", "Command26", "Command27", "Command29", "Command30", "Image2",
};

void runButtonAction(const std::string& name) {
  auto& actions = form1Hooks().ButtonActions;
  auto it = actions.find(name);
  if (it != actions.end()) runHook(it->second);
}

}  // namespace

Form1Hooks& form1Hooks() {
  static Form1Hooks hooks;
  return hooks;
}

Form1::Form1() : Form("Form1") {
  setOwnKey(kConsoleKey);
  layOut();
  wireOptions();
  wireCommands();
}

void Form1::wireCommands() {
  for (const char* name : kForeignActions) {
    for (ui::Control* c : controls()) {
      if (c->name() == name) c->onClick = [n = std::string(name)] { runButtonAction(n); };
    }
  }
  Command23.onClick = [this] {
    Command28.setFocus();
    runButtonAction("Command23");
  };
  Command1.onClick = [] { UnloadAll(); };
  Command8.onClick = [] { ui::Forms::get<Form2>().show(true); };
  Command3.onClick = [this] { modify(); };
  Command9.onClick = [this] { reloadDefaults(); };
  Image1.onClick = [this] { reloadMainDefaults(); };
  onUnload = [] { UnloadAll(); };
  onKeyDown = [](int& keyCode, int shift) {
    if (auto& keyDown = form1Hooks().KeyDown) keyDown(keyCode, shift);
  };
}

// Start-up: config, executable, version data, patch list; then either the silent patch run or
// the window stays up and the splash goes.
void Form1::load() {
  Image1.setMouseIcon(ui::kHandCursor);
  Image2.setMouseIcon(ui::kHandCursor);
  SetWorkDir(platform::currentDirectory());
  LoadCommonConfig();
  ExePath = WorkDir + ExeName;
  readExecutable();
  runHook(form1Hooks().DracoStartUp);

  if (SilentPatch == 1 && canModify()) {
    ui::host().yield();
    auto& pass = form1Hooks().ModifyExe;
    if (pass && !pass()) NoteExitStatus(ExitStatus::PassFailed);
    UnloadAll();
    return;
  }
  if (SilentPatch == 1) NoteExitStatus(ExitStatus::StartUpFailed);
  if (!ui::host().hasScreen()) {
    // Nobody could ever answer the main window: the messages are printed, the run ends.
    ui::msgBox("No screen to show the main window on. The run ends here.");
    NoteExitStatus(ExitStatus::NoScreen);
    UnloadAll();
    return;
  }
  if (ui::Forms::loaded<Splash>()) {
    auto& splash = ui::Forms::get<Splash>();
    splash.hide();
    splash.unload();
  }
}

void Form1::readExecutable() {
  ExeFound = platform::fileExists(ExePath);
  if (!ExeFound) {
    ui::msgBox("Error loading patcher. " + ExeName + " not found.\r\n(exe dir: " + WorkDir + ")");
    Label6.setCaption(ExeName + " not found!");
  } else {
    try {
      if (auto sig = readVersionSig(ExePath, Offsets[kVersionCheckSlot], NumBytesToRead)) {
        VersionSig = *sig;
        signatureRead_ = true;
        loadVersionData();
      } else {
        reportNoSupport();
      }
    } catch (const std::exception&) {
      reportLoadError();
    }
  }
  Command3.setEnabled(canModify());
}

// The version sections matching VersionSig, and the status they give.
void Form1::loadVersionData() {
  versionMatched_ = false;
  LoadConfig();
  versionMatched_ = VersionFound;
  Label6.setCaption(VersionFound ? FoundCaption : "Engine is not compatible with OLVEX!");
}

// The executable ends before its signature: no version section can describe it.
void Form1::reportNoSupport() {
  versionMatched_ = false;
  ui::msgBox("Current config file have no support for your " + ExeName + ".");
  Label6.setCaption("Engine is not compatible with OLVEX!");
}

void Form1::reportLoadError() {
  versionMatched_ = false;
  ui::msgBox(kLoadErrorText);
  Label6.setCaption("Error loading patcher!");
}

void Form1::reloadDefaults() {
  for (ui::CommandButton* b : {&Command9, &Command3, &Command1}) b->setEnabled(false);
  Command28.setFocus();
  try {
    LoadCommonConfig();
    if (signatureRead_) loadVersionData();
  } catch (const std::exception&) {
    reportLoadError();
  }
  runHook(form1Hooks().StopWeaponsPreview);
  Command9.setEnabled(true);
  Command3.setEnabled(canModify());
  Command1.setEnabled(true);
  Command9.setFocus();
  runHook(form1Hooks().DracoResetPatches);
}

void Form1::reloadMainDefaults() {
  LoadScope = "main";
  try {
    ReadCommonConfig();
  } catch (const std::exception&) {
    ui::msgBox(kLoadErrorText);
  }
}

void Form1::modify() {
  Command3.setEnabled(false);
  Command28.setFocus();
  ui::host().yield();
  try {
    if (ui::msgBox("Are you sure you want to update " + ExeName + " file?", ui::MsgButtons::OkCancel,
                   "Confirm file modifying") == ui::MsgAnswer::Ok) {
      Command1.setEnabled(false);
      if (auto& pass = form1Hooks().ModifyExe) pass();
    }
  } catch (const std::exception&) {
    ui::msgBox(
        "Cannot initiate executable modifying. Make sure executable is not write-protected and "
        "config file is not corrupted.",
        ui::MsgButtons::Ok, "Cannot modify file");
  }
  Command3.setEnabled(canModify());
  Command1.setEnabled(true);
  Command3.setFocus();
}

}  // namespace olvex::shell
