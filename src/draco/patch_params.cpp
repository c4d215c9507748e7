// The parameter row of the patch list window: the shown parameter's name, value and reset, and
// the size of the description above it.
#include <algorithm>

#include "draco/param_list_popup.h"
#include "draco/param_text.h"
#include "draco/patch_list.h"
#include "draco/patch_list_geometry.h"
#include "draco/patch_list_window.h"

namespace olvex::draco {
namespace {

constexpr int kCharsPerLine = 42;  // characters of the description font in one box line

// Lines the description takes in its box, wrapped lines counted.
int descriptionLines(const std::string& text) {
  int lines = 0;
  std::size_t from = 0;
  for (;;) {
    std::size_t end = text.find("\r\n", from);
    std::size_t length = (end == std::string::npos ? text.size() : end) - from;
    lines += std::max<int>(1, static_cast<int>((length + kCharsPerLine - 1) / kCharsPerLine));
    if (end == std::string::npos) return lines;
    from = end + 2;
  }
}

}  // namespace

void Patches::wireParams() {
  Text1.onKeyPress = [this](int& key) {
    if (const ParamBoxRule* rule = ParamBoxRuleOf(ShownParamType)) key = rule->filter(key);
  };
  Text1.onKeyUp = [this](int) { ErraticDreams(); };
  Text1.onMouseUp = [this](const ui::MouseEvent&) { ErraticDreams(); };
  Text1.onLostFocus = [this] {
    std::string corrected = NormaliseParamText(Text1.text(), ShownParamType);
    if (corrected == Text1.text()) return;
    Text1.setText(corrected);
    ErraticDreams();
  };
  Image2.onClick = [this] {
    int r = LastListIndex;
    if (ShownParamCount == 0 || r < 0 || r >= static_cast<int>(PatchList.size())) return;
    Text1.setText(PatchList[r].Params[CurParamSlot].DefaultValue);
    ErraticDreams();
  };
  Label3.onClick = [this] {
    if (ShownParamCount <= 1) return;
    ParamList& popup = ui::Forms::get<ParamList>();
    ProcessParamList();
    popup.move(left() + Text1.left() + 120, top() + Text1.top() + 400, popup.width(), popup.height());
    popup.show(true);
  };
}

void Patches::SelParamShowez() {
  int r = currentRecord();
  ShownParamCount = 0;
  int shown = -1;
  if (r >= 0) {
    const PatchRecord& record = PatchList[r];
    for (int k = 0; k < kParamSlots; ++k) {
      if (record.Params[k].Enabled != 1) continue;
      ++ShownParamCount;
      if (shown < 0) shown = k;
    }
    if (CurParamSlot != 0) shown = CurParamSlot;
  }
  if (shown >= 0) {
    CurParamSlot = shown;
    const PatchParam& param = PatchList[r].Params[shown];
    ShownParamType = param.Type;
    if (const ParamBoxRule* rule = ParamBoxRuleOf(param.Type)) {
      Text1.setMaxLength(rule->maxLength);
      Text1.setForeColor(rule->colour);
    }
    Label3.setCaption(param.Name + ":");
    Text1.setText(param.CurrentValue.empty() ? param.DefaultValue : param.CurrentValue);
  }
  bool row = ShownParamCount > 0;
  setParamRowShown(row);
  Text3.setHeight(px(row ? 116 : 132));
  Text4.setHeight(px(row ? 116 : 140));
  bool scrolling = descriptionLines(Text3.text()) > (row ? 8 : 10);
  if (scrolling) Text4.setText(Text3.text());
  Text3.setVisible(!scrolling);
  Text4.setVisible(scrolling);
  bool link = ShownParamCount > 1;
  ui::Font font = Label3.font();
  font.underline = link;
  Label3.setFont(font);
  Label3.setForeColor(link ? ui::rgb(64, 0, 0) : ui::rgb(64, 64, 64));
  Label3.setMouseIcon(link ? ui::kHandCursor : ui::MousePointer{});
}

void Patches::setParamRowShown(bool shown) {
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label3, &Text1, &Image2, &Line2}) c->setVisible(shown);
}

void Patches::ErraticDreams() {
  int r = LastListIndex;
  if (ShownParamCount == 0 || r < 0 || r >= static_cast<int>(PatchList.size())) return;
  PatchList[r].Params[CurParamSlot].CurrentValue = Text1.text();
}

void Patches::ProcessParamList() {
  int r = currentRecord();
  if (r >= 0) ui::Forms::get<ParamList>().fill(PatchList[r]);
}

}  // namespace olvex::draco
