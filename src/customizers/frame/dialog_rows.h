#pragma once
// How the stage rows of the dialogs read their dialog: selectors over its check boxes and values
// from its text boxes, each resolving the dialog's default instance (created with its designer
// values when the user never opened it).
#include <string>

#include "customizers/frame/stage_vocabulary.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::customizers::rows {

using namespace stage;

template <class D, ui::CheckBox D::*Box>
int value() {
  return (ui::Forms::get<D>().*Box).value();
}

// Value 1 for a checked box, value 0 for any other state.
template <class D, ui::CheckBox D::*Box>
int test(const shell::Form1&) {
  return value<D, Box>() == 1;
}

// Value 0 or 1 for a clear or checked box, nothing for a grey one.
template <class D, ui::CheckBox D::*Box>
int choice(const shell::Form1&) {
  return patcher::select::choiceOf(value<D, Box>());
}

// Value 1 while the box is checked, else nothing.
template <class D, ui::CheckBox D::*Box>
int whenChecked(const shell::Form1&) {
  return value<D, Box>() == 1 ? 1 : patcher::kNothing;
}

// The same over element I of a check box array.
template <class D, ui::ControlArray<ui::CheckBox> D::*Array, int I>
int choiceAt(const shell::Form1&) {
  return patcher::select::choiceOf((ui::Forms::get<D>().*Array)[I].value());
}
template <class D, ui::ControlArray<ui::CheckBox> D::*Array, int I>
int whenCheckedAt(const shell::Form1&) {
  return (ui::Forms::get<D>().*Array)[I].value() == 1 ? 1 : patcher::kNothing;
}

// Value 0 for a clear box, value 1 for any other state.
template <class D, ui::CheckBox D::*Box>
int zeroOrNot(const shell::Form1&) {
  return value<D, Box>() != 0;
}
template <class D, ui::ControlArray<ui::CheckBox> D::*Array, int I>
int zeroOrNotAt(const shell::Form1&) {
  return (ui::Forms::get<D>().*Array)[I].value() != 0;
}

template <class D, ui::ControlArray<ui::TextBox> D::*Array, int I>
const std::string& text() {
  return (ui::Forms::get<D>().*Array)[I].text();
}

// The forms a text box's value is written in.
std::string Byte(const std::string& number);          // one byte of the number
std::string LeadingByte(const std::string& text);     // one byte of the leading number
std::string Word(const std::string& number);          // two bytes, low byte first
std::string Long(const std::string& number);          // four bytes, low byte first
std::string NegByte(const std::string& number);       // one byte of the negated number (strict)
std::string NegWord(const std::string& number);       // two bytes of the negated number (strict)
std::string NegLong(const std::string& number);       // four bytes of the negated number (strict)
std::string LenientNegByte(const std::string& text);  // one byte of the negated leading number
std::string LenientNegWord(const std::string& text);  // two bytes of the negated leading number
std::string LenientNegLong(const std::string& text);  // four bytes of the negated leading number
std::string Hex2(const std::string& hex);             // two hex digits as they stand
std::string SwappedHex4(const std::string& hex);      // four hex digits, low byte first
std::string SwappedHex8(const std::string& hex);      // eight hex digits, low byte first

// A value computed from one text box of the dialog: valueOf<D, &D::Text1, 4, Byte>.
template <class D, ui::ControlArray<ui::TextBox> D::*Array, int I, std::string (*Convert)(const std::string&)>
std::string valueOf(const shell::Form1&) {
  return Convert(text<D, Array, I>());
}

// The same from a single text box of the dialog: boxValue<D, &D::Text2, Hex2>.
template <class D, ui::TextBox D::*Box, std::string (*Convert)(const std::string&)>
std::string boxValue(const shell::Form1&) {
  return Convert((ui::Forms::get<D>().*Box).text());
}

}  // namespace olvex::customizers::rows
