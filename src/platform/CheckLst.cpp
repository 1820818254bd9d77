#include "platform/CheckLst.h"

#include "platform/Application.h"
#include "platform/SysUtils.h"

#include <QListWidget>

TItemClickListBox::TItemClickListBox(TComponent* AOwner) : TListBox(AOwner) {
  QObject::connect(List(), &QListWidget::itemClicked, [this](QListWidgetItem*) {
    SafeCall([this] {
      if (OnItemClick) OnItemClick(this);
    });
  });
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {
  // The list rebuilds its rows whenever Items change: every new row gets its box.
  auto rebuild = Items().OnChange;
  Items().OnChange = [this, rebuild](TObject* Sender) {
    if (rebuild) rebuild(Sender);
    MakeItemsCheckable();
  };
  QObject::connect(List(), &QListWidget::itemChanged, [this](QListWidgetItem*) {
    if (FSetting) return;
    SafeCall([this] {
      if (OnClickCheck) OnClickCheck(this);
    });
  });
}

void TCheckListBox::MakeItemsCheckable() {
  FSetting = true;
  for (int i = 0; i < List()->count(); ++i) {
    QListWidgetItem* item = List()->item(i);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  FSetting = false;
}

bool TCheckListBox::Checked(int Index) const {
  if (Index < 0 || Index >= List()->count()) throw EListError(QString("List index out of bounds (%1)").arg(Index));
  return List()->item(Index)->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int Index, bool Value) {
  if (Index < 0 || Index >= List()->count()) throw EListError(QString("List index out of bounds (%1)").arg(Index));
  FSetting = true;
  List()->item(Index)->setCheckState(Value ? Qt::Checked : Qt::Unchecked);
  FSetting = false;
}
