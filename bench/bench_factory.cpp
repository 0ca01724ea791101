// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * The value factory over a million cell texts of mixed kinds, and tables
 * of 100,000 rows by 8 columns built from cell texts and read back, per
 * cell, against one floor: a bare object of a trivial type plus the same
 * parse written by hand.
 */

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Data/value_factory.h"
#include "Support/timezone.h"
#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

struct Cell {
  TavrelModelDataDataType kind;
  const char *text;
};

using K = TavrelModelDataDataType;

/* What a result set of a typical table delivers, in rotation. */
const Cell mix[] = {
    {TAVREL_MODEL_DATA_DATA_TYPE_INT32, "123456"},
    {TAVREL_MODEL_DATA_DATA_TYPE_INT64, "-9876543210"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "3.14159"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "-0.5e3"},
    {TAVREL_MODEL_DATA_DATA_TYPE_STRING, "Acme Corporation"},
    {TAVREL_MODEL_DATA_DATA_TYPE_STRING, "north"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DATE, "2024-03-05"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, "2024-03-05 14:07:09"},
    {TAVREL_MODEL_DATA_DATA_TYPE_INT32, "(Null)"},
    {TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, "true"},
};

constexpr size_t n_mix = G_N_ELEMENTS (mix);
constexpr size_t n_cells = 1000000;
constexpr int n_rows = 100000;
constexpr int n_columns = 8;

const K table_kinds[n_columns] = {
    TAVREL_MODEL_DATA_DATA_TYPE_INT32,  TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE,
    TAVREL_MODEL_DATA_DATA_TYPE_DATE,   TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, TAVREL_MODEL_DATA_DATA_TYPE_INT64,
    TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_DATETIME,
};

const char *const table_texts[n_columns] = {"4711", "Acme Corporation", "1234.5", "2024-03-05",
                                            "false", "9000000000", "(Null)", "2024-03-05 14:07:09"};

/* The parse the factory does for a cell, by hand, without the value. */
void
parse_by_hand (const Cell &cell, GTimeZone *utc)
{
  if (strcmp (cell.text, "(Null)") == 0)
    return;
  switch (cell.kind) {
  case TAVREL_MODEL_DATA_DATA_TYPE_INT32:
    benchmark::DoNotOptimize (lm::parse::atoi32 (cell.text));
    break;
  case TAVREL_MODEL_DATA_DATA_TYPE_INT64:
    benchmark::DoNotOptimize (g_ascii_strtoll (cell.text, nullptr, 0));
    break;
  case TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE:
    benchmark::DoNotOptimize (g_ascii_strtod (cell.text, nullptr));
    break;
  case TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN:
    benchmark::DoNotOptimize (strcmp (cell.text, "true") == 0);
    break;
  case TAVREL_MODEL_DATA_DATA_TYPE_DATE:
  case TAVREL_MODEL_DATA_DATA_TYPE_DATETIME: {
    /* A date alone is read as its midnight, as the factory does. */
    g_autoptr (GTimeZone) zone = cell.kind == TAVREL_MODEL_DATA_DATA_TYPE_DATE ? lm::local_zone () : g_time_zone_ref (utc);
    GDateTime *parsed = g_date_time_new_from_iso8601 (cell.text, zone);
    if (!parsed) {
      g_autofree char *midnight = g_strconcat (cell.text, "T00:00:00", nullptr);
      parsed = g_date_time_new_from_iso8601 (midnight, zone);
    }
    g_date_time_unref (parsed);
    break;
  }
  default:
    g_free (g_strdup (cell.text));
    break;
  }
}

/* A driver's fill: each row's texts through append_texts. */
TavrelModelDataTableModel *
build_table_from_texts ()
{
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_types (table_kinds, n_columns);
  for (int r = 0; r < n_rows; r++)
    tavrel_model_data_table_model_append_texts (table, table_texts, n_columns);
  return table;
}

/* The general road: a row filled through its list, then appended. */
TavrelModelDataTableModel *
build_table ()
{
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_types (table_kinds, n_columns);
  for (int r = 0; r < n_rows; r++) {
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
    tavrel_model_data_row_model_set_version (row, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT);
    GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
    for (int c = 0; c < n_columns; c++) {
      TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (table_kinds[c], table_texts[c]);
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
      g_object_unref (value);
    }
    tavrel_model_data_table_model_append (table, row);
    g_object_unref (row);
  }
  return table;
}

}  // namespace

int
main (int argc, char **argv)
{
  std::vector<Cell> cells (n_cells);
  for (size_t i = 0; i < n_cells; i++)
    cells[i] = mix[i % n_mix];
  GType trivial = lmbench::trivial_type (8);

  benchmark::RegisterBenchmark ("floor/factory (object + parse by hand)", [&] (benchmark::State &state) {
    g_autoptr (GTimeZone) utc = g_time_zone_new_utc ();
    for (auto _ : state)
      for (const Cell &cell : cells) {
        parse_by_hand (cell, utc);
        gpointer object = g_object_new (trivial, nullptr);
        benchmark::DoNotOptimize (object);
        g_object_unref (object);
      }
    state.SetItemsProcessed (state.iterations () * n_cells);
  });
  const std::string floor = "floor/factory (object + parse by hand)";

  lmbench::compare ("factory/1M mixed cells", floor, [&] (benchmark::State &state) {
    for (auto _ : state)
      for (const Cell &cell : cells)
        g_object_unref (tavrel_model_data_ivalue_factory (cell.kind, cell.text));
    state.SetItemsProcessed (state.iterations () * n_cells);
  });

  /* Memory is measured once, before anything else has grown the heap: what
   * one table of 800,000 cells adds to the resident set, and the peak. */
  long before = lmbench::resident_bytes ();
  TavrelModelDataTableModel *measured = build_table ();
  long grown = lmbench::resident_bytes () - before;
  struct rusage usage = {};
  getrusage (RUSAGE_SELF, &usage);
  g_object_unref (measured);
  printf ("memory: %.0f bytes per cell resident for a %dx%d table; peak resident %ld KiB, %.0f bytes per cell\n",
          double (grown) / (n_rows * n_columns), n_rows, n_columns, usage.ru_maxrss,
          usage.ru_maxrss * 1024.0 / (n_rows * n_columns));

  lmbench::compare ("table/build 100000x8 from texts", floor, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelDataTableModel *table = build_table ();
      state.PauseTiming ();
      g_object_unref (table);
      state.ResumeTiming ();
    }
    state.SetItemsProcessed (state.iterations () * n_rows * n_columns);
  })->Unit (benchmark::kMillisecond);

  lmbench::compare ("table/append_texts 100000x8", floor, [] (benchmark::State &state) {
    for (auto _ : state) {
      TavrelModelDataTableModel *table = build_table_from_texts ();
      state.PauseTiming ();
      g_object_unref (table);
      state.ResumeTiming ();
    }
    state.SetItemsProcessed (state.iterations () * n_rows * n_columns);
  })->Unit (benchmark::kMillisecond);

  lmbench::compare ("table/get_value_at every cell", floor, [] (benchmark::State &state) {
    TavrelModelDataTableModel *table = build_table ();
    for (auto _ : state)
      for (int r = 0; r < n_rows; r++)
        for (int c = 0; c < n_columns; c++) {
          TavrelModelDataValueObject *value = tavrel_model_data_table_model_get_value_at (table, c, r);
          benchmark::DoNotOptimize (value);
          g_object_unref (value);
        }
    state.SetItemsProcessed (state.iterations () * n_rows * n_columns);
    g_object_unref (table);
  })->Unit (benchmark::kMillisecond);

  return lmbench::run (argc, argv);
}
