#pragma once
// The tables of one load case, sized to its limits.
#include "common/records/capacities.h"
#include "common/records/line_load_record.h"
#include "common/records/note_record.h"
#include "common/records/point_load_record.h"
#include "common/records/prestress_entry.h"
#include "common/records/table.h"
#include "common/records/temperature_load_record.h"

namespace common {

using PointLoadTable = Table<PointLoadRecord, kMaxPointLoads>;
using PointLoadNotes = Table<NoteRecord, kMaxPointLoads>;
using LineLoadTable = Table<LineLoadRecord, kMaxLineLoads>;
using LineLoadNotes = Table<NoteRecord, kMaxLineLoads>;
// Indexed by element number.
using TemperatureTable = Table<TemperatureLoadRecord, kMaxElements>;
using PrestressTable = Table<PrestressEntry, kMaxPrestressEntries>;

}  // namespace common
