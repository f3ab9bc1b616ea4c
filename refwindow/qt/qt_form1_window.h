// The reference window on screen with Qt: a fixed-size, topmost dialog frame
// around the four controls, running the window logic of Form1. The taskbar
// is kept away by a window state (SkipTaskbar).
#pragma once

#include <QWidget>

#include <array>

#include "form1.h"
#include "form1_layout.h"
#include "qt_form1_layout.h"
#include "qt_widgets.h"

namespace hexling {

class QtForm1Window final : public QWidget, private WindowFrame {
 public:
  // Builds the controls and loads the window; show() it next.
  QtForm1Window();

  Form1& Model() { return form_; }

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MakeTopmost() override;
  void CopyToClipboard(std::string_view text) override;

  QtForm1Controls controls_;
  QtPickList hexCombo_;
  QtPickList translationCombo_;
  QtTextPane translationText_;
  QtItemList allHexValuesList_;
  Form1 form_;
};

// The program, once the QApplication is made: makes the window, shows it and
// runs the event loop. Where something failed, in making the window or in
// anything Qt called of it, it says what on standard error and in a message
// box once the loop has ended, and returns 1.
int RunForm1Program();

}  // namespace hexling
