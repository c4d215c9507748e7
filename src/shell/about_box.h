#pragma once
// The about box: text pages faded in from black and out again, in grey over drifting colour bands,
// with buttons for a slower and a faster animation and a readout of its counters. Borderless; dragged
// by its surface; "close" ends it, so the next opening starts from the first page.
#include <array>
#include <random>

#include "ui/controls.h"
#include "ui/form.h"

namespace olvex::shell {

class Form2 : public ui::Form {
 public:
  Form2();

  static constexpr int kPageCount = 17;   // pages 0..16; page 16 starts the sequence again
  static constexpr int kFadeEnd = 510;    // fade level at which the next page starts
  static constexpr int kBandsFrom = 200;  // the bands start once the scroll counter passes this
  static constexpr int kRestartFrom = 580;
  static constexpr int kIntervalStep = 10;  // ms

  // One animation step (Timer1).
  void Timer1_Timer();

  int page() const { return page_; }
  int fadeLevel() const { return level_; }
  int scrollCounter() const { return scroll_; }
  ui::Color textColour() const { return Picture3.foreColor(); }

  static constexpr int kTextLeft = 12, kTextTop = 81;  // the page text's place in its picture

  ui::PictureBox Picture1{*this, "Picture1"};  // what is shown: the page text over the bands
  ui::PictureBox Picture2{*this, "Picture2"};  // the band layer, not shown
  ui::PictureBox Picture3{*this, "Picture3"};  // the page text, not shown
  ui::Timer Timer1{*this, "Timer1"};
  ui::Label Label1{*this, "Label1"};  // readout of the counters
  ui::Label Label2{*this, "Label2"};  // "close"
  ui::Image Image1{*this, "Image1"};  // slower
  ui::Image Image2{*this, "Image2"};  // faster
  ui::Image Image3{*this, "Image3"};  // readout on or off

 protected:
  void load() override;

 private:
  void layOut();
  void printPage();
  void drawBands();
  void driftBackground();
  void measurePages();
  void compose();
  void showReadout();

  int level_ = 0;
  int page_ = 0;
  int scroll_ = 0;
  int steps_ = 0;
  bool restart_ = false;
  ui::Color back_ = 0;
  std::array<int, 3> drift_{};  // targets of the back colour's components
  std::minstd_rand random_;
  struct Area {
    int left = 0, top = 0, width = 0, height = 0;  // pixels
  };
  std::array<Area, kPageCount> textAreas_{};  // where each page's text lies in the text picture
};

}  // namespace olvex::shell
