#pragma once
// How the rows read the main window's options. A choice writes value 0 for 0, value 1 for 1 and
// nothing for any other state; a test writes value 1 when its condition holds, else value 0.
#include "patcher/stage_writes.h"
#include "patcher/write_rows.h"
#include "shell/form1.h"

namespace olvex::patcher::select {

inline int choiceOf(int state) { return state == 0 || state == 1 ? state : kNothing; }

template <ui::CheckBox shell::Form1::*Box>
int choice(const shell::Form1& f) {
  return choiceOf((f.*Box).value());
}

template <ui::CheckBox shell::Form1::*Box>
int test(const shell::Form1& f) {
  return (f.*Box).value() == 1;
}

// Written whatever the windows hold (value 0).
inline int always(const shell::Form1&) { return 0; }

// The scene memory the pass writes for as an N / R variant: 1 standard, 2 remapped.
inline int variant(const shell::Form1&) { return PassSceneMemory() + 1; }

}  // namespace olvex::patcher::select
