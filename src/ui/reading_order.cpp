#include "ui/reading_order.h"

#include <algorithm>
#include <map>
#include <span>

#include "ui/control.h"
#include "ui/form.h"

namespace olvex::ui {

namespace {

using Items = std::vector<Control*>;

bool overlapVertically(const Control* a, const Control* b) {
  return a->top() < b->top() + b->height() && b->top() < a->top() + a->height();
}

// Whether a cut that no item crosses, `gap` right of the farthest reach of `left`, parts columns:
// each side holds more than one item, and in most rows with items on both sides these lie at
// least kColumnGutter apart (captions lie between the columns' boxes; the boxes of one row lie
// close); without such rows, the gap itself decides.
bool partsColumns(std::span<Control* const> left, std::span<Control* const> right, int gap) {
  if (left.size() < 2 || right.size() < 2) return false;
  int wide = 0, narrow = 0;
  for (const Control* l : left) {
    const Control* next = nullptr;
    for (const Control* r : right)
      if (overlapVertically(l, r) && (!next || r->left() < next->left())) next = r;
    bool last = std::none_of(left.begin(), left.end(), [l](const Control* o) {
      return o != l && overlapVertically(l, o) && o->left() + o->width() > l->left() + l->width();
    });
    if (!next || !last) continue;
    bool boxes = l->kind() == ControlKind::TextBox && next->kind() == ControlKind::TextBox;
    (next->left() - (l->left() + l->width()) >= (boxes ? kBoxColumnGutter : kColumnGutter) ? wide : narrow) += 1;
  }
  return wide + narrow > 0 ? wide > narrow : gap >= kColumnGutter;
}

// Sorts the items by `start` along one axis and splits them, in that order, wherever no item
// crosses the cut and `parts(before, after, gap)` holds; `end` is where an item ends on the axis.
template <class Start, class End, class Parts>
std::vector<Items> split(Items items, Start start, End end, Parts parts) {
  std::stable_sort(items.begin(), items.end(), [&](const Control* a, const Control* b) { return start(a) < start(b); });
  std::span<Control* const> all(items);
  std::vector<Items> out;
  int reach = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    int gap = start(all[i]) - reach;
    if (out.empty() || (gap >= 0 && parts(all.first(i), all.subspan(i), gap))) {
      out.emplace_back();
      reach = start(all[i]);
    }
    out.back().push_back(all[i]);
    reach = std::max(reach, end(all[i]));
  }
  return out;
}

// Columns left to right, at every cut that parts columns.
std::vector<Items> columns(Items items) {
  return split(
      std::move(items), [](const Control* c) { return c->left(); },
      [](const Control* c) { return c->left() + c->width(); }, partsColumns);
}

// Bands top to bottom, at every gap of kBandGap or more that runs across all the items.
std::vector<Items> bands(Items items) {
  return split(
      std::move(items), [](const Control* c) { return c->top(); }, [](const Control* c) { return c->top() + c->height(); },
      [](auto, auto, int gap) { return gap >= kBandGap; });
}

void sortByRows(Items& v) {
  std::stable_sort(v.begin(), v.end(), [](const Control* a, const Control* b) { return a->top() < b->top(); });
  for (auto row = v.begin(); row != v.end();) {
    int middle = (*row)->top() + (*row)->height() / 2;
    auto end = std::find_if(row, v.end(), [middle](const Control* c) { return c->top() >= middle; });
    std::stable_sort(row, end, [](const Control* a, const Control* b) { return a->left() < b->left(); });
    row = end;
  }
}

struct Reader {
  const std::function<bool(const Control&)>& isStop;
  std::map<const Control*, Items> inside;  // by container (null: the window): stops and containers holding some
  Items order;

  void read(Items items) {
    if (items.empty()) return;
    auto parts = columns(items);
    if (parts.size() == 1) parts = bands(std::move(items));
    if (parts.size() > 1) {
      for (Items& part : parts) read(std::move(part));
      return;
    }
    items = std::move(parts.front());
    sortByRows(items);
    // The option buttons of a container are one group, read whole where its first button lies.
    auto isOption = [](const Control* c) { return c->kind() == ControlKind::OptionButton; };
    if (auto first = std::find_if(items.begin(), items.end(), isOption); first != items.end())
      std::stable_partition(std::next(first), items.end(), isOption);
    for (Control* c : items) {
      if (isStop(*c)) order.push_back(c);
      if (auto it = inside.find(c); it != inside.end()) read(it->second);
    }
  }
};

}  // namespace

std::vector<Control*> ReadingOrder(const Form& form, const std::function<bool(const Control&)>& isStop) {
  Reader reader{isStop, {}, {}};
  for (Control* c : form.controls()) {
    if (!isStop(*c)) continue;
    for (Control* p = c; p; p = p->container()) {
      Items& siblings = reader.inside[p->container()];
      if (std::find(siblings.begin(), siblings.end(), p) != siblings.end()) break;
      siblings.push_back(p);
    }
  }
  reader.read(reader.inside[nullptr]);
  return reader.order;
}

}  // namespace olvex::ui
