#pragma once
// Base names of the position's record files (Position::File and
// Position::LoadCaseFile add the folder, the load-case text and the extension).
namespace common::file_names {

// The frame model.
inline constexpr const char* kFrameParams = "PARAMR";
inline constexpr const char* kNodes = "NODES";
inline constexpr const char* kElements = "ELEMENTS";
inline constexpr const char* kSupports = "LKNOTENR";  // also the settlements of a load case
inline constexpr const char* kCrossSections = "CROSS";
inline constexpr const char* kMaterials = "MATR";
inline constexpr const char* kExtents = "EXTENSIOR";
inline constexpr const char* kPoleExtents = "EXTENSIOPOLESR";
inline constexpr const char* kGeometryMarker = "GEOMETRY";  // int32
inline constexpr const char* kPenWidth = "KELMRDB";         // int32, in the settings folder

// The load cases.
inline constexpr const char* kDiary = "DIARY";
inline constexpr const char* kLoadCaseParams = "PL";
inline constexpr const char* kPointLoads = "SRC_L";
inline constexpr const char* kPointLoadNotes = "SOUTXT";
inline constexpr const char* kLineLoads = "LLOAD";
inline constexpr const char* kLineLoadNotes = "LLTXT";
inline constexpr const char* kTemperatures = "TEMPELEMENTS";
inline constexpr const char* kPrestress = "PRESTRESS";

// The solver job.
inline constexpr const char* kSolverJob = "BATCH";

}  // namespace common::file_names
