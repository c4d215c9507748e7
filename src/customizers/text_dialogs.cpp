#include "customizers/text_dialogs.h"

#include "customizers/cust_bars.h"
#include "customizers/cust_credits.h"
#include "customizers/cust_fonts.h"
#include "customizers/dialog_keys.h"
#include "customizers/dialog_stages.h"
#include "patcher/pass_hooks.h"
#include "shell/config_reader.h"
#include "shell/form1_hooks.h"

namespace olvex::customizers {

void InstallTextDialogs() {
  RegisterBarsKeys();
  RegisterFontsKeys();
  RegisterCreditsKeys();
  shell::ReaderHooks.creditsText = [](const std::string& text) { ui::Forms::get<CustCredits>().Text1.setText(text); };
  auto& buttons = shell::form1Hooks().ButtonActions;
  buttons["Command11"] = [] { ui::Forms::get<CustBars>().open(); };
  buttons["Command21"] = [] { ui::Forms::get<CustFonts>().open(); };
  auto& writers = patcher::passHooks().StageWriters;
  writers["BARS"] = WriteBars;
  writers["FONTS"] = WriteFonts;
  writers["CREDITS"] = WriteCredits;
}

}  // namespace olvex::customizers
