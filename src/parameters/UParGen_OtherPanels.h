// The panels of the family's other protocol sides on the general-parameters
// form. Their controls are built from row tables, translated by id and laid
// out with the live panels' row geometry; a build shows them only for the
// models that have those sides.
#pragma once

#include "parameters/UParGen_Rows.h"
#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"

#include <QString>

#include <functional>
#include <map>
#include <span>
#include <vector>

// One designed row: Top is the top of its label or check box.
struct TParRowDef {
  TParRowKind Kind;
  int Top;
  // The label or check box.
  const char* Caption;
  // The input control; for octets and box rows the name before the number 1 to 4.
  const char* Input = nullptr;
  // Fixed items of a combo box, separated by '|'.
  const char* Items = nullptr;
  // Pixels the inputs lie above Top; 0 takes the kind's own.
  int Lift = 0;
  // A gateway box without a hint text of its own.
  bool BoxHint = true;
  // Disabled as designed; no layout enables it.
  bool Disabled = false;
};

// A panel's rows in the order of its text ids, from its first id on.
struct TParPanelDef {
  const char* Panel;
  int FirstTextId;
  std::span<const TParRowDef> Rows;
};

std::span<const TParPanelDef> OtherPanelDefs();

// The form's handlers that the other panels' controls report to.
struct TParGenHandlers {
  TNotifyEvent Changed;
  TNotifyEvent Clicked;
  TKeyPressEvent OctetKeyPress;
};

// The part of the general-parameters form that holds the other panels'
// controls; the form's layout methods of those panels use it.
struct TParGenOtherPanels {
  // Builds every row of the other panels onto the panel of its name.
  void Build_Other_Panels(TComponent* Owner, const std::function<TCategoryPanel*(const QString&)>& PanelNamed,
                          TCheckBox* DhcpCable, const TParGenHandlers& Handlers);
  // Captions and hints of the other panels from LanguageTexts.
  void Set_Lang_Other_Panels();

  // A control of the other panels by name; null when there is none.
  TControl* Other_Control(const QString& Name) const;
  template <class T>
  T* Other(const QString& Name) const {
    return dynamic_cast<T*>(Other_Control(Name));
  }
  // The row whose label or check box has this name.
  const TParRow& Other_Row(const QString& CaptionName) const;
  // Whether a change or click of this control needs a relayout.
  bool Is_Other_Relayout_Change(const TObject* Sender) const;
  bool Is_Other_Relayout_Click(const TObject* Sender) const;

  // The controls of the other panels whose change or click relays the form out.
  TComboBox* CB_BACnet_Master_Type = nullptr;
  TComboBox* CB_BACnet_Slave_Type = nullptr;
  TComboBox* CB_SNMP_Agent_SecurityLevel = nullptr;
  TCheckBox* CB_MQTT_WillFlag = nullptr;
  TCheckBox* CB_MQTT_PublishTopicConnection = nullptr;
  TCheckBox* CB_MQTT_Enable_ReProgram = nullptr;
  TCheckBox* CB_TLS_Enable = nullptr;
  TCheckBox* CB_TLS_En_Server_Auth = nullptr;
  TCheckBox* CB_TLS_En_Client_Auth = nullptr;
  TCheckBox* CB_TLS_Server_Enable = nullptr;
  TCheckBox* CB_SNMP_Agent_Version3 = nullptr;

protected:
  // Layouts of the other panels; the form's RePosition_Object_... methods call them.
  void Layout_Simple(const char* Panel);
  void Layout_BACnet(const char* Role);
  void Layout_TLS();
  void Layout_TLS_Server();
  void Layout_MQTT();
  void Layout_SNMP_Agent();

private:
  struct TOtherPanel {
    TCategoryPanel* Panel = nullptr;
    const TParPanelDef* Def = nullptr;
    std::vector<TParRow> Rows;
  };
  void Build_Row(TComponent* Owner, TOtherPanel& panel, const TParRowDef& def, const TParGenHandlers& Handlers);
  // Disables the octet edits of a panel's address rows while DHCP for the cable is on.
  void Apply_Dhcp_Rule(const char* Panel, bool WithGatewayBox);
  const TOtherPanel& Panel_Named(const char* Panel) const;
  TCategoryPanel* Panel_Of(const char* Panel) const { return Panel_Named(Panel).Panel; }
  bool Dhcp_Cable() const;
  void Set_Height_From(const char* Panel, const char* Control) const;

  TCheckBox* FDhcpCable = nullptr;
  std::map<QString, TOtherPanel> FPanels;
  std::map<QString, TControl*> FControls;
  // Row of each caption name: panel name and index.
  std::map<QString, std::pair<QString, size_t>> FRowOf;
};
