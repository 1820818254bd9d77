// The carrier of the column definition stream: a component whose one stored
// property, Items, holds a definition per column with its published
// properties by name, in their declared order. It lives only inside one save
// or load of the column grid.
#pragma once

#include "grid/editing/GridColumnCollection.h"
#include "platform/Classes.h"

#include <QIODevice>

#include <memory>

class TPlexColumnGridIO : public TComponent {
public:
  // The items stand apart from any grid: filling or reading them changes no grid.
  explicit TPlexColumnGridIO(TComponent* AOwner);
  TGridColumnCollection& Items() { return *FItems; }

  void WriteToStream(QIODevice& Stream);
  // Reads a whole stream into Items; raises EReadError and leaves Items
  // untouched when the stream cannot be read in full. References (popup
  // menus, editor links) are looked up by name among Lookup's components.
  void ReadFromStream(QIODevice& Stream, const TComponent* Lookup);

private:
  std::unique_ptr<TGridColumnCollection> FItems;
};
