// Actions and their links: an action holds a caption, checked and enabled
// state, group index, hint and visibility and the command it runs; every
// control bound to it hears of each change through its action link.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <vector>

class TBasicActionLink;
class TControl;

class TBasicAction : public TComponent {
public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;
  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  TNotifyEvent OnExecute;
  // The control whose link executed the action last.
  TComponent* ActionComponent = nullptr;

protected:
  // The links bound to this action, in binding order.
  const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> FClients;
};

// The action with the published state. A change goes to every client link
// before it is stored, so a link can compare its client with the old value.
class TCustomAction : public TBasicAction {
public:
  using TBasicAction::TBasicAction;
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

private:
  template <class T, class Apply>
  void Propagate(T& field, const T& value, Apply apply);
  QString FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  int FGroupIndex = 0;
  QString FHint;
  bool FVisible = true;
};
using TAction = TCustomAction;

class TBasicActionLink : public TObject {
public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  // Executes the action on behalf of AComponent.
  virtual bool Execute(TComponent* AComponent = nullptr);

private:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
};

// Which of the action's properties the client follows, and how a change
// reaches the client; the base links everything of a full action and applies
// nothing.
class TActionLink : public TBasicActionLink {
public:
  virtual bool IsCaptionLinked() const { return FullAction() != nullptr; }
  virtual bool IsCheckedLinked() const { return FullAction() != nullptr; }
  virtual bool IsEnabledLinked() const { return FullAction() != nullptr; }
  virtual bool IsGroupIndexLinked() const { return FullAction() != nullptr; }
  virtual bool IsHintLinked() const { return FullAction() != nullptr; }
  virtual bool IsVisibleLinked() const { return FullAction() != nullptr; }
  virtual void SetCaption(const QString&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetGroupIndex(int) {}
  virtual void SetHint(const QString&) {}
  virtual void SetVisible(bool) {}

protected:
  TCustomAction* FullAction() const { return dynamic_cast<TCustomAction*>(Action()); }
};

// The link of a control: caption, enabled, hint and visibility follow the action.
class TControlActionLink : public TActionLink {
public:
  explicit TControlActionLink(TControl* AClient) { AssignClient(AClient); }
  TControl* Client() const { return FClient; }
  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;
  void SetCaption(const QString& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const QString& Value) override;
  void SetVisible(bool Value) override;

protected:
  // A descendant link checks the client's class here (from its own constructor).
  virtual void AssignClient(TControl* AClient) { FClient = AClient; }

private:
  TControl* FClient = nullptr;
};
