#include "ui/reading_order.h"

#include <algorithm>
#include <map>

#include "ui/control.h"
#include "ui/form.h"

namespace olvex::ui {

namespace {

using Items = std::vector<Control*>;

bool overlapVertically(const Control* a, const Control* b) {
  return a->top() < b->top() + b->height() && b->top() < a->top() + a->height();
}

// Whether a cut that no item crosses, between `left` and `right`, parts columns: each side holds
// more than one item, and in most rows with items on both sides these lie at least
// kColumnGutter apart (captions lie between the columns' boxes; the boxes of one row lie close).
bool partsColumns(const Items& left, const Items& right) {
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
  if (wide + narrow > 0) return wide > narrow;
  int reach = 0;
  for (const Control* l : left) reach = std::max(reach, l->left() + l->width());
  return right.front()->left() - reach >= kColumnGutter;
}

// Splits the items into columns, left to right, at every cut that parts columns.
std::vector<Items> columns(Items items) {
  std::stable_sort(items.begin(), items.end(), [](const Control* a, const Control* b) { return a->left() < b->left(); });
  std::vector<Items> out(1);
  int reach = items.empty() ? 0 : items.front()->left();
  for (auto it = items.begin(); it != items.end(); ++it) {
    Items before(items.begin(), it), after(it, items.end());
    if (it != items.begin() && (*it)->left() >= reach && partsColumns(before, after)) out.emplace_back();
    out.back().push_back(*it);
    reach = std::max(reach, (*it)->left() + (*it)->width());
  }
  return out;
}

// Splits the items into bands, top to bottom, at every gap of kBandGap or more that runs across
// all of them.
std::vector<Items> bands(Items items) {
  std::stable_sort(items.begin(), items.end(), [](const Control* a, const Control* b) { return a->top() < b->top(); });
  std::vector<Items> out;
  int reach = 0;
  for (Control* c : items) {
    if (out.empty() || c->top() - reach >= kBandGap) out.emplace_back();
    out.back().push_back(c);
    reach = out.back().size() == 1 ? c->top() + c->height() : std::max(reach, c->top() + c->height());
  }
  return out;
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
