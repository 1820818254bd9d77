// The action link of the grid button: besides the control's own links, the
// action's checked state drives Down and its group index the button's group.
#pragma once

#include "platform/ActnList.h"

class TPlexGridButton;

class TPlexGridButtonActionLink : public TControlActionLink {
public:
  // Raises EInvalidCast for a client that is no grid button.
  explicit TPlexGridButtonActionLink(TControl* AClient);
  bool IsCaptionLinked() const override;
  bool IsCheckedLinked() const override;
  bool IsGroupIndexLinked() const override;
  void SetCaption(const QString& Value) override;
  void SetChecked(bool Value) override;
  void SetGroupIndex(int Value) override;

protected:
  void AssignClient(TControl* AClient) override;

private:
  TPlexGridButton* FClient = nullptr;
};
