// AboutWindow (instance frmAbout): the About window, also the splash of start-up.
//  - caption "About Orvanta"; Label1(1) the name, Label1(2) the version, Label1(3)
//    the contact lines; Image1 the program's picture; cmdOK closes the window
//    (tooltip "Close" in the current language when tooltips are on)
//  - placed centred across the screen and in its upper third
//  - frmAbout: the one instance, created when opened (frmAbout->Show()) and
//    destroyed when closed (frmAbout.Destroy())
#pragma once

#include "platform/CommandButton.h"
#include "platform/ControlArray.h"
#include "platform/FormRef.h"
#include "platform/Image.h"
#include "platform/Label.h"

class AboutWindow final : public platform::Form {
  public:
    AboutWindow();

    platform::ControlArray<platform::Label, 1, 3> Label1;
    platform::CommandButton cmdOK;
    platform::Image Image1;

  protected:
    void Form_Load() override;

  private:
    void cmdOK_Click();
};

extern platform::FormRef<AboutWindow> frmAbout;
