// MoonWindow (instance frmMoon): the moon window, the phase of the selected day over the moon picture.
//  - Picture1 the moon bitmap "Moon.bmp" from the program's folder, the container
//    of the rest; Shape1 the shadow over the unlit part, in the colour around the
//    moon; Shape2 a light-yellow disc standing in for a bitmap that cannot be
//    loaded; Label1 the moon's age ("15.3"); Label2 a clear pane over the picture
//  - ReSetForm: the shadow and the age for the current MoonAge
//  - double-click on the picture: the monthly window comes up; Esc hides the window
//  - closed from the title bar: only hidden; the window lives until the program
//    ends, like after Esc, and keeps its place
#pragma once

#include "frame/Windows.h"
#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"

class MoonWindow final : public MoonForm {
  public:
    MoonWindow();

    platform::PictureBox Picture1;
    // Declared bottom to top: a later sibling is drawn over an earlier one.
    platform::Shape Shape2;
    platform::Shape Shape1;
    platform::Label Label2;
    platform::Label Label1;

    void ReSetForm() override;
    void SetTips(const MoonTips &tips) override;

  protected:
    void Form_Load() override;
    void Form_TitleBarClose() override { Hide(); }

  private:
    void ShowSubstituteDisc();
    void Picture1_DblClick();
    void Picture1_KeyPress(int &charCode);
};
