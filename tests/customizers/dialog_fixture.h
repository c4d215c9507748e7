#pragma once
// Every module installed over fresh settings, without a main window: the dialogs are driven
// through TestHost, keys applied as the config reader applies them.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/modules.h"
#include "patcher/pass_hooks.h"
#include "platform/temp_folder.h"
#include "shell/config_line.h"
#include "shell/config_state.h"
#include "shell/default_config.h"
#include "shell/form1_hooks.h"
#include "shell/settings_keys.h"
#include "shell/shared_keys.h"
#include "shell/shared_tables.h"
#include "support/test_host.h"
#include "ui/form.h"

namespace olvex::customizers::test {

// A settings line applied under a Version line ("" for none) and what its field then shows;
// nullopt: the value is refused.
struct KeyCase {
  const char* version;
  const char* key;
  const char* value;
  std::function<std::string()> field;
  std::optional<std::string> shows;
};

// A text typed into an emptied box, the text the box keeps once left, and the message that
// leaving shows (empty: none, and the focus moves on); after a message, a text it lets go.
struct LeaveCase {
  ui::TextBox& box;
  const char* typed;
  const char* kept;
  const char* message = "";
  const char* fix = "";
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shell::ResetConfigState();
    shell::ResetSharedTables();
    shell::SharedHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
    shell::ClearKeyRegistry();
    app::InstallModules();
  }
  void TearDown() override {
    shell::ClearKeyRegistry();
    shell::SharedHooks = {};
    shell::form1Hooks() = shell::Form1Hooks{};
    patcher::passHooks() = patcher::PassHooks{};
  }

  // Applies key=value as a config line of the given version would; false on a key error.
  bool apply(std::string_view key, std::string_view value, std::string_view version = "0.76") {
    shell::CfgVersion = std::string(version);
    shell::CfgKey = std::string(key);
    shell::CfgValue = std::string(value);
    try {
      shell::ApplyKey("all");
      return true;
    } catch (const shell::SettingsKeyError&) {
      return false;
    }
  }

  template <class D>
  D& dialog() { return ui::Forms::get<D>(); }

  // Types text into an emptied box and leaves it for the next one; the box's text after leaving.
  static std::string typeAndLeave(ui::TextBox& box, const std::string& text, ui::Control& next) {
    box.setFocus();
    box.setText("");
    box.typeText(text);
    next.setFocus();
    return box.text();
  }

  void expectKeys(std::span<const KeyCase> cases) {
    for (const KeyCase& c : cases) {
      SCOPED_TRACE(std::string(c.key) + "=" + c.value + " version '" + c.version + "'");
      const bool applied = apply(c.key, c.value, c.version);
      EXPECT_EQ(applied, c.shows.has_value());
      if (applied) {
        EXPECT_EQ(c.field(), *c.shows);
      }
    }
  }
  // Each box typed into and left for another box of its window.
  void expectLeaving(std::span<const LeaveCase> cases) {
    for (const LeaveCase& c : cases) {
      SCOPED_TRACE(c.box.name() + "(" + std::to_string(c.box.index()) + ") " + c.typed);
      ui::Control* next = nullptr;
      for (ui::Control* other : c.box.form().controls())
        if (other != &c.box && other->kind() == ui::ControlKind::TextBox && other->enabled()) next = other;
      host.messages.clear();
      EXPECT_EQ(typeAndLeave(c.box, c.typed, *next), c.kept);
      if (*c.message) {
        EXPECT_EQ(host.texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(c.box.hasFocus());
        c.box.setText(c.fix);
        next->setFocus();
      } else {
        EXPECT_TRUE(host.messages.empty());
      }
      EXPECT_TRUE(next->hasFocus());
    }
  }

  // Each box typed into and its window closed from the title bar: the box is checked as when it
  // is left for another box. A check with a message keeps the window open with the focus on the
  // box (and the close after the fix shows none); the window hides and keeps its values.
  void expectClosing(std::span<const LeaveCase> cases) {
    for (const LeaveCase& c : cases) {
      SCOPED_TRACE(c.box.name() + "(" + std::to_string(c.box.index()) + ") " + c.typed);
      ui::Form& form = c.box.form();
      form.show();
      host.messages.clear();
      c.box.setFocus();
      c.box.setText("");
      c.box.typeText(c.typed);
      form.userClose();
      EXPECT_EQ(c.box.text(), c.kept);
      if (*c.message) {
        EXPECT_EQ(host.texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(form.visible() && c.box.hasFocus());
        c.box.setText(c.fix);
        form.userClose();
      }
      EXPECT_EQ(host.messages.size(), *c.message ? 1u : 0u);
      EXPECT_FALSE(form.visible());
      EXPECT_TRUE(ui::Forms::isLoaded(form));
    }
  }

  // Applies every line of the built-in config's section under `heading`: each key belongs to
  // `scope` and leaves the texts and checks of `form` as designed. The number of keys.
  int applyBuiltInSection(std::string_view heading, shell::Scope scope, ui::Form& form) {
    auto state = [&form] {
      std::string r;
      for (ui::Control* c : form.controls()) {
        if (c->kind() == ui::ControlKind::TextBox) r += static_cast<ui::TextBox*>(c)->text() + ";";
        if (c->kind() == ui::ControlKind::CheckBox) r += std::to_string(static_cast<ui::CheckBox*>(c)->value()) + ";";
      }
      return r;
    };
    const std::string text(shell::BuiltInConfigText());
    std::size_t at = text.find(heading);
    EXPECT_NE(at, std::string::npos) << heading;
    shell::CfgVersion = "0.76";
    int keys = 0;
    for (at = text.find('\n', at) + 1; at < text.size() && std::string_view("\r\n;").find(text[at]) == std::string_view::npos; ++keys) {
      std::size_t end = text.find('\n', at);
      std::string line = text.substr(at, end - at);
      if (line.ends_with('\r')) line.pop_back();
      shell::CfgValue = shell::ParseConfigLine(line);
      EXPECT_EQ(shell::ScopeOfKey(shell::CfgKey), scope) << line;
      const std::string before = state();
      shell::ApplyKey("all");
      EXPECT_EQ(state(), before) << line;
      at = end + 1;
    }
    return keys;
  }

  platform::test_files::WorkingFolder folder;  // where a main window started here looks for its files
  olvex::test::TestHost host;
};

}  // namespace olvex::customizers::test
