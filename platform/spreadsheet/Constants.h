#pragma once

// The numbers the automation interface uses for its settings, under the names it gives them.
namespace spreadsheet {

// Line styles
constexpr int xlContinuous = 1;
constexpr int xlLineStyleNone = -4142;

// Line weights
constexpr int xlHairline = 1;
constexpr int xlThin = 2;
constexpr int xlMedium = -4138;
constexpr int xlThick = 4;

// Colour index
constexpr int xlColorIndexAutomatic = -4105;

// Border edges
constexpr int xlEdgeLeft = 7;
constexpr int xlEdgeTop = 8;
constexpr int xlEdgeBottom = 9;
constexpr int xlEdgeRight = 10;

// Alignments
constexpr int xlGeneral = 1;
constexpr int xlLeft = -4131;
constexpr int xlCenter = -4108;
constexpr int xlRight = -4152;
constexpr int xlTop = -4160;
constexpr int xlBottom = -4107;

// Query-table refresh styles
constexpr int xlOverwriteCells = 0;
constexpr int xlInsertDeleteCells = 1;
constexpr int xlInsertEntireRows = 2;

}  // namespace spreadsheet
