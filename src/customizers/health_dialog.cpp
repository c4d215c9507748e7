#include "customizers/health_dialog.h"

#include "customizers/limits_dialog.h"
#include "shell/form1.h"
#include "shell/settings_keys.h"

namespace olvex::customizers {

namespace {

struct Designer {
  int index;
  const char* text;
};
const Designer kText1[] = {
    {0, "5"},    {1, "7"},    {2, "8"},    {3, "2"},    {4, "15"},   {5, "20"},   {6, "2"},
    {7, "120"},  {8, "3"},    {9, "120"},  {10, "10"},  {11, "100"}, {12, "80"},  {13, "80"},
    {14, "02"},  {15, "120"}, {16, "10"},  {17, "120"}, {18, "15"},  {19, "120"}, {20, "5"},
    {21, "120"}, {22, "50"},  {23, "25"},  {24, "30"},  {25, "8"},   {26, "50"},  {27, "50"},
};
const Designer kText2[] = {{5, "0400"}, {6, "200"}, {7, "250"}, {8, "200"}};

}  // namespace

CustLaraHP::CustLaraHP() : Form("CustLaraHP") {
  for (const Designer& d : kText1) Text1.add(d.index).setText(d.text);
  for (const Designer& d : kText2) Text2.add(d.index).setText(d.text);
  Check2.onClick = [this] { followSasFix(); };
  Command5.onClick = [] { ui::Forms::get<CustLimits>().show(true); };
  followSasFix();
}

void CustLaraHP::followSasFix() {
  bool on = Check2.value() == 1;
  for (ui::Control* c : {static_cast<ui::Control*>(&Label3), static_cast<ui::Control*>(&Text1[26]),
                         static_cast<ui::Control*>(&Text1[27]), static_cast<ui::Control*>(&Check3)})
    c->setEnabled(on);
  // The main window is not created for this: without it the executable is not extended.
  Check4.setEnabled(on && ui::Forms::loaded<shell::Form1>() && ui::Forms::get<shell::Form1>().Check9.value() == 1);
}

void CustLaraHP::extendedChanged(bool extended) {
  if (!extended) Check4.setEnabled(false);
  else if (Check2.value() == 1) Check4.setEnabled(true);
}

namespace {

using shell::Conversion;

template <int I>
constexpr shell::TextBoxOf byteBox() { return {&shell::element<CustLaraHP, &CustLaraHP::Text1, I>}; }
template <int I>
constexpr shell::TextBoxOf wordBox() { return {&shell::element<CustLaraHP, &CustLaraHP::Text2, I>}; }
template <auto Box>
constexpr shell::CheckBoxOf check() { return {&shell::control<CustLaraHP, Box>}; }

constexpr Conversion B = Conversion::OldByte;
constexpr Conversion W = Conversion::OldWord;

const shell::KeyRow kHealthKeys[] = {
    {"noairleakage", B, byteBox<0>()},
    {"onfireleakage", B, byteBox<1>()},
    {"inspikesleakage", B, byteBox<2>()},
    {"inprongleakage", Conversion::Number, byteBox<25>()},
    {"insteamleakage", B, byteBox<3>()},
    {"indartsleakage", B, byteBox<23>()},
    {"baddyuzidmg", Conversion::OldHex, byteBox<4>()},
    {"sasmachinegundmg", Conversion::OldHex, byteBox<18>()},
    {"turretdmg", Conversion::OldHex, byteBox<20>()},
    {"batdmg", B, byteBox<6>()},
    {"crocodileuwdmg", B, byteBox<9>()},
    {"crocodilelanddmg", B, byteBox<19>()},
    {"locustdmg", B, byteBox<8>()},
    {"mummydmg", B, byteBox<11>()},
    {"baddysworddmg", B, byteBox<7>()},
    {"smallscorpiondmg", B, byteBox<5>()},
    {"dogdmg", B, byteBox<16>()},
    {"skeletondmg1", B, byteBox<12>()},
    {"skeletondmg2", B, byteBox<13>()},
    {"wildboardmg", B, byteBox<24>()},
    {"harpydmg", B, byteBox<10>()},
    {"scorpiondmg", B, byteBox<15>()},
    {"hammerheaddmg", B, byteBox<17>()},
    {"knighttemplardmg", B, byteBox<21>()},
    {"bigbeetledmg", B, byteBox<22>()},
    {"sphinxdmg", W, wordBox<6>()},
    {"setattack1dmgparameter", W, wordBox<8>()},
    {"setattack2dmg", W, wordBox<7>()},
    {"littlebeetledisp", Conversion::Text, wordBox<5>()},
    {"magicattackdivider", Conversion::Text, byteBox<14>()},
    {"disabledragonlocuts", Conversion::Check, check<&CustLaraHP::Check1>()},
    {"fixsasgrenades", Conversion::Check, check<&CustLaraHP::Check2>()},
    {"sasgrendamage", Conversion::Number, byteBox<26>()},
    {"sasgrenthresh", Conversion::Number, byteBox<27>()},
    {"sasgrenfastkill", Conversion::Check, check<&CustLaraHP::Check3>()},
    {"sasgrenblow", Conversion::Check, check<&CustLaraHP::Check4>()},
};

}  // namespace

void RegisterHealthKeys() { shell::RegisterKeys(shell::Scope::LaraHP, kHealthKeys); }

}  // namespace olvex::customizers
