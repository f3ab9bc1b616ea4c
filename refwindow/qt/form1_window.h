// The reference window on screen: a fixed-size, topmost dialog frame around
// the four controls, running the window logic of Form1.
#pragma once

#include <QWidget>

#include "form1.h"
#include "qt_widgets.h"

namespace hexling {

class Form1Window final : public QWidget, private WindowFrame {
 public:
  // Builds the controls and loads the window; show() it next.
  Form1Window();

  Form1& Model() { return form_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void MakeTopmost() override;

  QtPickList hexCombo_;
  QtPickList translationCombo_;
  QtTextPane translationText_;
  QtItemList allHexValuesList_;
  Form1 form_;
};

}  // namespace hexling
