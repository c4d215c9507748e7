#pragma once
// Settings key targets named by the dialog member alone, each resolving the dialog's default
// instance: box<&CustGfx::Text2>(), textAt<&CustBars::Text1, 3>(), check<&CustLite::Check1>(),
// checkAt<&CustInv::Check1, 2>(), option<&CustLite::Option1>().
#include "shell/settings_keys.h"

namespace olvex::customizers::keys {

// The dialog class a member pointer belongs to.
template <class M>
struct OwnerOf;
template <class T, class D>
struct OwnerOf<T D::*> {
  using type = D;
};
template <auto Member>
using Owner = typename OwnerOf<decltype(Member)>::type;

template <auto Box>
constexpr shell::TextBoxOf box() { return {&shell::control<Owner<Box>, Box>}; }
template <auto Array, int I>
constexpr shell::TextBoxOf textAt() { return {&shell::element<Owner<Array>, Array, I>}; }
template <auto Box>
constexpr shell::CheckBoxOf check() { return {&shell::control<Owner<Box>, Box>}; }
template <auto Array, int I>
constexpr shell::CheckBoxOf checkAt() { return {&shell::element<Owner<Array>, Array, I>}; }
template <auto Group>
constexpr shell::OptionOf option() { return {&shell::control<Owner<Group>, Group>}; }

}  // namespace olvex::customizers::keys
