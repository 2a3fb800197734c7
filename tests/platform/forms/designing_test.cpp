// A form being designed: what lies under a point, and the selection the
// window marks.
#include <gtest/gtest.h>

#include "platform/forms/application.h"
#include "platform/forms/designing.h"
#include "platform/forms/form.h"
#include "platform/forms/menus.h"
#include "platform/forms/std_controls.h"

using namespace platform;

namespace {

class DesigningTest : public ::testing::Test {
 protected:
  DesigningTest() {
    form_->SetBorderStyle(bsSingle);  // a frame: client and outer coordinates differ
    form_->SetClientWidth(300);
    form_->SetClientHeight(200);
    group_->SetParent(form_.get());
    group_->SetBounds(100, 50, 150, 100);
    button_->SetParent(group_);
    button_->SetBounds(10, 20, 60, 25);
    hidden_->SetParent(form_.get());
    hidden_->SetBounds(0, 0, 300, 40);
    hidden_->SetVisible(false);
    menu_->SetDesignInfo(30 << 16 | 120);  // left 120, top 30
    form_->SetMenu(menu_);
  }

  TOwned<TForm> form_{new TForm(&Application())};
  TGroupBox* group_ = new TGroupBox(form_.get());
  TButton* button_ = new TButton(form_.get());
  TLabel* hidden_ = new TLabel(form_.get());
  TMainMenu* menu_ = new TMainMenu(form_.get());
};

TEST_F(DesigningTest, APointFindsTheIconTheInnermostVisibleControlOrTheForm) {
  EXPECT_EQ(&DesignComponentAt(*form_, {115, 75}), button_);  // inside the group box's client area
  EXPECT_EQ(&DesignComponentAt(*form_, {180, 120}), group_);
  EXPECT_EQ(&DesignComponentAt(*form_, {10, 10}), form_.get());  // under the hidden label
  EXPECT_EQ(&DesignComponentAt(*form_, {130, 55}), menu_);  // the icon lies above the group box
  EXPECT_EQ(&DesignComponentAt(*form_, {130, 30 + kDesignIconSize + 2}), group_);  // just below it
  EXPECT_EQ(&DesignComponentAt(*form_, {5, -3}), menu_);  // the menu bar
  ASSERT_EQ(DesignIcons(*form_), std::vector<TComponent*>{menu_});

  TComponent* heard = nullptr;
  TPoint where;
  form_->OnDesignClick = [&](TObject*, TComponent* component, TPoint at) { heard = component, where = at; };
  UserDesignClick(*form_, {115, 75});
  EXPECT_EQ(heard, button_);
  EXPECT_EQ(where, (TPoint{115, 75}));
}

TEST_F(DesigningTest, TheSelectionIsForgottenWhenItGoesAndTheMenuStaysFollowed) {
  form_->SetDesignSelection(menu_);
  form_->SetDesignSelection(button_);  // the form still hears when its menu goes
  menu_->Free();
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(form_->DesignSelection(), button_);
  button_->Free();
  EXPECT_EQ(form_->DesignSelection(), nullptr);
}

}  // namespace
