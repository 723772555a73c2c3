#pragma once
// The published property lists of the toolkit's own classes, and the catalogue of every
// property a control has, from which each control class publishes its choice in its order.

#include <array>

#include "toolkit/streaming/ClassInfo.h"

namespace tk {

const TClassInfo& FontClassInfo();
const TClassInfo& PenClassInfo();
const TClassInfo& BrushClassInfo();
const TClassInfo& ConstraintsClassInfo();
// A bitmap as one property, Data = {hex}: a 4-byte little-endian length, then that many bytes
// of a bitmap file.
const TClassInfo& BitmapClassInfo();

// What every component has: Name (never stored: it travels in the object line) and Tag.
const TClassInfo& ComponentCatalogue();

// Every property of TControl, published or not: Name, Tag, Left, Top, Width, Height, Cursor,
// Hint, HelpType, HelpKeyword, HelpContext, Action, Align, Anchors, BiDiMode, Caption, Color,
// Constraints, DragCursor, DragMode, Enabled, Font, ParentBiDiMode, ParentColor, ParentFont,
// ParentShowHint, PopupMenu, ShowHint, Visible and the events OnClick, OnDblClick, OnDragDrop,
// OnDragOver, OnEndDrag, OnMouseDown, OnMouseMove, OnMouseUp, OnStartDrag.
const TClassInfo& ControlCatalogue();

// What every control publishes first.
inline constexpr std::array<const char*, 11> kControlBase = {
    "Name",   "Tag",  "Left",     "Top",         "Width",      "Height",
    "Cursor", "Hint", "HelpType", "HelpKeyword", "HelpContext"};

const TClassInfo& FormClassInfo();
const TClassInfo& ImageClassInfo();
const TClassInfo& ShapeClassInfo();
const TClassInfo& PopupMenuClassInfo();
const TClassInfo& MenuItemClassInfo();
const TClassInfo& SavePictureDialogClassInfo();
const TClassInfo& SpeedButtonClassInfo();

// Makes the classes above known to the form reader.
void RegisterStandardClasses();

}  // namespace tk
