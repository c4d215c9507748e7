#pragma once
// The DRACO windows driven headless: the main window's options as a test sets them, and answers
// for the modal windows the handlers open.
#include <functional>
#include <string>

#include "draco/input_box.h"
#include "draco/patch_list_window.h"
#include "draco/patch_writer.h"
#include "draco_fixture.h"

namespace olvex::draco::test {

class DracoWindowTest : public DracoTest {
 protected:
  DracoWindowTest() {
    MainWindowOptions = [this] { return options; };
  }
  ~DracoWindowTest() override {
    host.onShow = nullptr;
    MainWindowOptions = nullptr;
  }

  static Patches& list() { return ui::Forms::get<Patches>(); }

  // The next modal window named `form` runs `act` before its show returns.
  void whenShown(const std::string& form, std::function<void(ui::Form&)> act) {
    host.onShow = [this, form, act](ui::Form& f, bool modal) {
      if (!modal || f.name() != form) return;
      auto run = act;  // this closure goes away with the next line
      host.onShow = nullptr;
      run(f);
    };
  }
  // The input box, when it opens, records its text and answers with `answer` ("" cancels).
  void answerInput(const std::string& answer, std::string* proposed = nullptr) {
    whenShown("InputKor", [answer, proposed](ui::Form& f) {
      auto& box = static_cast<InputKor&>(f);
      if (proposed) *proposed = box.Text1.text();
      box.Text1.setText(answer);
      box.KillMeNow();
    });
  }

  RequirementChecks options;
};

}  // namespace olvex::draco::test
