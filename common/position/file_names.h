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
inline constexpr const char* kDofs = "DOFSK";  // no count: one record per equation
inline constexpr const char* kExtents = "EXTENSIOR";
inline constexpr const char* kPoleExtents = "EXTENSIOPOLESR";
inline constexpr const char* kGeometryMarker = "GEOMETRY";  // int32
inline constexpr const char* kGraphicsRequest = "GRAFIKGO";  // int32 1: the shell shows the frame
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

// The inverse and the matrix of the stored frame.
inline constexpr const char* kInverse = "INVERSE";            // + ext: n x n doubles
inline constexpr const char* kOriginalStiffness = "MATRIXORI";  // + ext

// The solver's results of a load case.
inline constexpr const char* kDisplacements = "UT8";       // + lc + ext: 1001 doubles
inline constexpr const char* kLoadVector = "RHSG";         // + lc, no ext: n doubles
inline constexpr const char* kReactions = "KLAGER";        // + lc + ext
inline constexpr const char* kEnergies = "ENERGIES";       // + lc + ext, and + lc + ".TXT"
inline constexpr const char* kGreenDisplacements = "NODDISPGFELM";  // + lc + ext
// State lines of line load i: base + i + lc, no ext.
inline constexpr const char* kNormalStateLine = "NSTAB";
inline constexpr const char* kMomentStateLine = "MSTAB";
inline constexpr const char* kShearStateLine = "QSTAB";
// State lines of point load k on element e: base + k + "ELM" + e + lc, no ext.
inline constexpr const char* kNormalSourceLine = "NSOURCE";
inline constexpr const char* kShearSourceLine = "QSOURCE";

// Settings of the pictures, in the settings folder.
inline constexpr const char* kPrintScales = "PSCALA";

}  // namespace common::file_names
