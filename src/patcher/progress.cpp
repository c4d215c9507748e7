#include "patcher/progress.h"

#include <string>

#include "shell/form1.h"

namespace olvex::patcher {

ProgressDisplay::~ProgressDisplay() { setVisible(false); }

void ProgressDisplay::stage(std::string_view caption, int progress) {
  int margin = form_.Shape4.left() - form_.Shape3.left();
  int inner = form_.Shape3.width() - 2 * margin;
  form_.Shape4.setWidth(progress * inner / kFullProgress);
  form_.Label10.setCaption(std::string(caption));
  setVisible(true);
}

void ProgressDisplay::setVisible(bool v) {
  for (ui::Control* c : {static_cast<ui::Control*>(&form_.Shape3), static_cast<ui::Control*>(&form_.Shape4),
                         static_cast<ui::Control*>(&form_.Label10)})
    c->setVisible(v);
}

}  // namespace olvex::patcher
