#include "customizers/frame/colour_rows.h"

namespace olvex::customizers {

void AddCaptions(ui::ControlArray<ui::Label>& captions, int last) {
  for (int i = 0; i <= last; ++i) captions.add(i).setTransparent(true);
}

}  // namespace olvex::customizers
