// Undo and redo of cell-text changes: the grid registers each change (and
// brackets multi-cell operations as sequences); the component steps back and
// forth through them and writes the texts back into the grid.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// What undo and redo need of the grid whose cells they restore. The base grid
// implements it; GridComponent is the grid itself, so that the component
// hears when the grid is freed.
class IUndoRedoGrid {
public:
  virtual ~IUndoRedoGrid() = default;
  virtual TComponent* GridComponent() = 0;
  // The cell text with merge redirection and display conversion, and its writer.
  virtual QString GetCellEx(int ACol, int ARow) = 0;
  virtual void SetCellEx(int ACol, int ARow, const QString& Value) = 0;
  // The display position of a real column.
  virtual int DisplColIndex(int ACol) = 0;
  // The current cell: its column, and moving it.
  virtual int CurrentCol() = 0;
  virtual void MoveCurrentCell(int ACol, int ARow) = 0;
  virtual void RepaintCell(int ACol, int ARow) = 0;
  virtual void InvalidateGrid() = 0;
};

// One recorded change, or a marker that opens or closes a sequence.
class TUndoRedoItem {
public:
  int Row = -1;
  int Col = -1;       // the real column
  QString Value;      // the text after the change
  QString OrigValue;  // the text before it
  bool SequenceStart = false;
  bool SequenceStop = false;
  bool IsMarker() const { return SequenceStart || SequenceStop; }
};

// The recorded items, oldest first.
class TUndoRedoCollection {
public:
  int Count() const { return int(FItems.size()); }
  TUndoRedoItem& Items(int Index) { return *FItems.at(size_t(Index)); }
  const TUndoRedoItem& Items(int Index) const { return *FItems.at(size_t(Index)); }
  TUndoRedoItem& Add();
  void Delete(int Index);
  void Clear();

private:
  std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

// Sender, grid, cell, the cell's current text and the text about to be written.
using TPlexGridUndoRedoEvent = std::function<void(TObject* Sender, IUndoRedoGrid* Grid, int Col, int Row,
                                                  const QString& OrigValue, const QString& NewValue)>;

class TPlexGridUndoRedo : public TComponent {
public:
  explicit TPlexGridUndoRedo(TComponent* AOwner);
  ~TPlexGridUndoRedo() override;

  virtual void RegisterChange(int ACol, int ARow, const QString& OrigValue, const QString& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();
  void Undo();
  void Redo();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems.Count(); }
  // Frees every item; Level stays as it was.
  void Reset();

  TUndoRedoCollection& Items() { return FItems; }
  const TUndoRedoCollection& Items() const { return FItems; }
  IUndoRedoGrid* Grid() const { return FGrid; }
  // Set by the grid when the component is linked to it.
  void SetGrid(IUndoRedoGrid* Value);
  // Items 0..Level-1 are applied, Level..Count-1 undone.
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  // The most items kept; 0 or less keeps all.
  int MaxLevel = 0;
  TPlexGridUndoRedoEvent OnUndo;
  TPlexGridUndoRedoEvent OnRedo;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void AddMarker(bool Start);
  void Apply(const TUndoRedoItem& Item, const QString& Text, const TPlexGridUndoRedoEvent& Event);
  void UndoSequence();
  void RedoSequence();

  TUndoRedoCollection FItems;
  IUndoRedoGrid* FGrid = nullptr;
  TComponent* FGridComponent = nullptr;
  int FLevel = 0;
};
