#pragma once
// Walls and boxes: drawing orthogonal wall polylines and rectangles on the wall lattice (odd
// rows and columns), committing them with the symbol rule, and deleting one wall stretch at a
// time between wall nodes.

#include <optional>

#include "sketchpad/SketchLayers.h"

namespace mz {

class SketchHost;

enum class WallMode { Walls, Boxes };

class WallDrawing {
 public:
  WallDrawing(SketchPad& pad, SketchHost& host) : pad_(pad), host_(host) {}

  WallMode mode() const { return mode_; }
  void setMode(WallMode mode);
  bool drawing() const { return drawing_; }
  CellPos anchor() const { return anchor_; }
  // The cell of the last refused commit.
  std::optional<CellPos> errorLocation() const { return errorLocation_; }

  // First click or Enter: the cursor snaps to the lattice, is marked and becomes the anchor.
  void start();
  // One cursor step of `steps` lattice steps (2 cells each) in a direction while drawing; false
  // (nothing changes) when it would leave the editable area.
  bool step(int direction, int steps = 1);
  // Moves the cursor toward a cell one lattice step at a time, rows first.
  void moveToward(CellPos target);

  // Marks one step from `previous` to `current`, or takes it back when it retraces the path.
  void extendWall(CellPos previous, CellPos current);
  // Marks the outline of the rectangle between the two corners.
  void extendBox(CellPos anchor, CellPos current);

  // Second click or Enter: validates and writes the marked walls; false when cells were invalid
  // (the drawing stays in progress, nothing is written).
  bool commit();
  // Clears all marks and ends the drawing; the mode stays on.
  void cancel();
  // Right click or Escape: cancels a drawing in progress; without one, true: the mode is to be
  // left.
  bool escape();

 private:
  int neighbourBits(int row, int column) const;

  SketchPad& pad_;
  SketchHost& host_;
  WallMode mode_ = WallMode::Walls;
  bool drawing_ = false;
  CellPos anchor_{};
  std::optional<CellPos> errorLocation_;
};

// Deletes the wall stretch at the cursor (asking for each branch when `ask` is set). True when
// a wall was deleted.
bool deleteWallAtCursor(SketchPad& pad, SketchHost& host, bool ask);

}  // namespace mz
