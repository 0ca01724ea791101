// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * Filling a table from the cell texts a driver delivers, beside libgda 5.2
 * in the same process: the GLib world's data-access library is the floor.
 *
 * Each row is the same eight texts.  libgda turns each into a GValue with
 * gda_value_new_from_string, by its column's GType (its timestamp kind for
 * the date-time, which it parses), appends the row to a GdaDataModelArray
 * and reads every cell back with get_value_at.  This library takes two
 * roads: the general one (the factory, a RowModel filled through
 * get_values, TableModel append, get_value_at) and a driver's fast path
 * (append_texts, get_value_at).  Filling with reading is timed apart from
 * the release of the model; the ratio is this library's time over
 * libgda's, so 0.5 is twice as fast.
 *
 * Resident memory is measured first, each table built in a child process
 * of its own so that neither library reuses pages the other freed.
 */

#include <libgda/libgda.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

constexpr int n_columns = 8;

const char *const texts[n_columns] = {"12345", "hello world", "3.25", "9000000000",
                                      "abc",   "true",        "-7",   "2024-03-05 14:07:09"};

const TavrelModelDataDataType kinds[n_columns] = {
    TAVREL_MODEL_DATA_DATA_TYPE_INT32,   TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE,
    TAVREL_MODEL_DATA_DATA_TYPE_INT64,   TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN,
    TAVREL_MODEL_DATA_DATA_TYPE_INT32,   TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP,
};

GType gda_types[n_columns];

/* ---- libgda ---------------------------------------------------------------- */

/* gda_data_model_array_new_with_g_types reads each GType through varargs
 * as an int, which cuts it on 64-bit machines: the types are set one by
 * one instead. */
GdaDataModel *
gda_fill (int n_rows)
{
  GdaDataModel *model = gda_data_model_array_new (n_columns);
  for (int c = 0; c < n_columns; c++)
    gda_column_set_g_type (gda_data_model_describe_column (model, c), gda_types[c]);
  GList cells[n_columns] = {};
  for (int c = 0; c < n_columns; c++) {
    cells[c].prev = c ? &cells[c - 1] : nullptr;
    cells[c].next = c + 1 < n_columns ? &cells[c + 1] : nullptr;
  }
  for (int r = 0; r < n_rows; r++) {
    for (int c = 0; c < n_columns; c++)
      cells[c].data = gda_value_new_from_string (texts[c], gda_types[c]);
    if (gda_data_model_append_values (model, cells, nullptr) < 0)
      g_error ("libgda refused a row");
    for (int c = 0; c < n_columns; c++)
      gda_value_free (static_cast<GValue *> (cells[c].data));
  }
  return model;
}

void
gda_read (GdaDataModel *model, int n_rows)
{
  for (int r = 0; r < n_rows; r++)
    for (int c = 0; c < n_columns; c++)
      benchmark::DoNotOptimize (gda_data_model_get_value_at (model, c, r, nullptr));
}

/* ---- this library -------------------------------------------------------- */

/* The general road: what a driver writes with the functions every table
 * and row has. */
TavrelModelDataTableModel *
lm_fill_by_rows (int n_rows)
{
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_types (kinds, n_columns);
  for (int r = 0; r < n_rows; r++) {
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
    GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
    for (int c = 0; c < n_columns; c++) {
      TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (kinds[c], texts[c]);
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
      g_object_unref (value);
    }
    tavrel_model_data_table_model_append (table, row);
    g_object_unref (row);
  }
  return table;
}

TavrelModelDataTableModel *
lm_fill_by_texts (int n_rows)
{
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_types (kinds, n_columns);
  for (int r = 0; r < n_rows; r++)
    if (tavrel_model_data_table_model_append_texts (table, texts, n_columns) < 0)
      g_error ("append_texts refused a row");
  return table;
}

void
lm_read (TavrelModelDataTableModel *table, int n_rows)
{
  for (int r = 0; r < n_rows; r++)
    for (int c = 0; c < n_columns; c++) {
      TavrelModelDataValueObject *value = tavrel_model_data_table_model_get_value_at (table, c, r);
      benchmark::DoNotOptimize (value);
      g_object_unref (value);
    }
}

/* ---- the three contenders ------------------------------------------------ */

struct Road {
  const char *name;
  gpointer (*fill) (int n_rows);
  void (*read) (gpointer model, int n_rows);
};

const Road gda_road = {
    "libgda",
    [] (int n) -> gpointer { return gda_fill (n); },
    [] (gpointer model, int n) { gda_read (GDA_DATA_MODEL (model), n); },
};
const Road by_texts = {
    "append_texts",
    [] (int n) -> gpointer { return lm_fill_by_texts (n); },
    [] (gpointer table, int n) { lm_read (TAVREL_MODEL_DATA_TABLE_MODEL (table), n); },
};
const Road by_rows = {
    "get_values+add+append",
    [] (int n) -> gpointer { return lm_fill_by_rows (n); },
    [] (gpointer table, int n) { lm_read (TAVREL_MODEL_DATA_TABLE_MODEL (table), n); },
};

/* Checks once that both libraries hold what the texts say, so that the
 * timings compare the same work. */
void
check_contents ()
{
  GdaDataModel *model = gda_fill (2);
  TavrelModelDataTableModel *tables[] = {lm_fill_by_texts (2), lm_fill_by_rows (2)};
  for (int c = 0; c < n_columns; c++) {
    const GValue *cell = gda_data_model_get_value_at (model, c, 1, nullptr);
    if (!cell || G_VALUE_TYPE (cell) != gda_types[c])
      g_error ("libgda did not read \"%s\" as %s", texts[c], g_type_name (gda_types[c]));
    for (TavrelModelDataTableModel *table : tables) {
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_table_model_get_value_at (table, c, 1);
      g_autofree gchar *text = value ? tavrel_model_data_value_object_to_string (value) : nullptr;
      if (g_strcmp0 (text, texts[c]) != 0 && !(c == 2 && g_strcmp0 (text, "3.25") == 0))
        g_error ("this library read \"%s\" as \"%s\"", texts[c], text);
    }
  }
  g_object_unref (model);
  for (TavrelModelDataTableModel *table : tables)
    g_object_unref (table);
}

/* ---- memory ---------------------------------------------------------------- */

struct Footprint {
  double resident_per_cell = 0;
  double heap_per_cell = 0;
};

/* What one model of n_rows adds to a child process that builds only it:
 * the resident set, and the bytes malloc hands out (GSlice's magazines
 * included, as it draws them from malloc). */
Footprint
footprint (const Road &road, int n_rows)
{
  int fds[2];
  if (pipe (fds) != 0)
    g_error ("pipe failed");
  pid_t child = fork ();
  if (child == 0) {
    close (fds[0]);
    Footprint f;
    long before = lmbench::resident_bytes ();
    struct mallinfo2 heap_before = mallinfo2 ();
    gpointer model = road.fill (n_rows);
    struct mallinfo2 heap_after = mallinfo2 ();
    long after = lmbench::resident_bytes ();
    double cells = double (n_rows) * n_columns;
    f.resident_per_cell = double (after - before) / cells;
    f.heap_per_cell = double ((heap_after.uordblks + heap_after.hblkhd) - (heap_before.uordblks + heap_before.hblkhd)) / cells;
    if (write (fds[1], &f, sizeof f) != ssize_t (sizeof f))
      _exit (1);
    benchmark::DoNotOptimize (model);
    _exit (0);
  }
  close (fds[1]);
  Footprint f;
  if (read (fds[0], &f, sizeof f) != ssize_t (sizeof f))
    g_error ("the memory probe of %s failed", road.name);
  close (fds[0]);
  waitpid (child, nullptr, 0);
  return f;
}

/* ---- timings --------------------------------------------------------------- */

std::string
fill_name (const Road &road, int n_rows)
{
  std::string name = std::string (road.name) + "/fill+read/" + std::to_string (n_rows);
  return &road == &gda_road ? "floor/" + name : name;
}

std::string
release_name (const Road &road, int n_rows)
{
  std::string name = std::string (road.name) + "/release/" + std::to_string (n_rows);
  return &road == &gda_road ? "floor/" + name : name;
}

void
register_road (const Road &road, int n_rows)
{
  auto fill_and_read = [&road, n_rows] (benchmark::State &state) {
    for (auto _ : state) {
      gpointer model = road.fill (n_rows);
      road.read (model, n_rows);
      state.PauseTiming ();
      g_object_unref (model);
      state.ResumeTiming ();
    }
    state.SetItemsProcessed (state.iterations () * n_rows * n_columns);
  };
  auto release = [&road, n_rows] (benchmark::State &state) {
    for (auto _ : state) {
      state.PauseTiming ();
      gpointer model = road.fill (n_rows);
      road.read (model, n_rows);
      state.ResumeTiming ();
      g_object_unref (model);
    }
    state.SetItemsProcessed (state.iterations () * n_rows * n_columns);
  };
  /* Big tables: a few iterations each, whatever the minimum time. */
  int iterations = n_rows >= 200000 ? 3 : 10;
  if (&road == &gda_road) {
    benchmark::RegisterBenchmark (fill_name (road, n_rows).c_str (), fill_and_read)
        ->Iterations (iterations)
        ->Unit (benchmark::kMillisecond);
    benchmark::RegisterBenchmark (release_name (road, n_rows).c_str (), release)
        ->Iterations (iterations)
        ->Unit (benchmark::kMillisecond);
  } else {
    lmbench::compare (fill_name (road, n_rows), fill_name (gda_road, n_rows), fill_and_read)
        ->Iterations (iterations)
        ->Unit (benchmark::kMillisecond);
    lmbench::compare (release_name (road, n_rows), release_name (gda_road, n_rows), release)
        ->Iterations (iterations)
        ->Unit (benchmark::kMillisecond);
  }
}

/* The console report, and beside it the figures the goals are stated in:
 * how many times faster than libgda, and the release against the fill. */
class Summary : public lmbench::RatioReporter {
 public:
  void ReportRuns (const std::vector<Run> &runs) override
  {
    for (const Run &run : runs)
      if (run.aggregate_name == "median" || (run.run_type == Run::RT_Iteration && run.repetitions <= 1))
        time_[run.run_name.function_name] = run.GetAdjustedCPUTime ();
    RatioReporter::ReportRuns (runs);
  }

  void print (const std::vector<int> &sizes) const
  {
    printf ("\nsummary (medians of CPU time, ms; speed-up = libgda's time / this library's)\n");
    for (int n : sizes) {
      double gda_fill = at (fill_name (gda_road, n)), gda_release = at (release_name (gda_road, n));
      printf ("%d rows: libgda fill+read %.1f, release %.1f\n", n, gda_fill, gda_release);
      for (const Road *road : {&by_texts, &by_rows}) {
        double fill = at (fill_name (*road, n)), release = at (release_name (*road, n));
        printf ("  %-22s fill+read %7.1f (%.2fx)  release %6.1f (%.2fx)  release/fill %.2f\n", road->name, fill,
                gda_fill / fill, release, gda_release / release, release / fill);
      }
    }
  }

 private:
  double at (const std::string &name) const
  {
    auto found = time_.find (name);
    return found == time_.end () ? 0.0 : found->second;
  }
  std::map<std::string, double> time_;
};

}  // namespace

int
main (int argc, char **argv)
{
  gda_init ();
  const GType types[n_columns] = {G_TYPE_INT,     G_TYPE_STRING,  G_TYPE_DOUBLE, G_TYPE_INT64,
                                  G_TYPE_STRING,  G_TYPE_BOOLEAN, G_TYPE_INT,    GDA_TYPE_TIMESTAMP};
  std::copy (std::begin (types), std::end (types), gda_types);
  check_contents ();

  const std::vector<int> sizes = {50000, 200000};
  printf ("memory per cell, each model built alone in a child process: resident / malloc'ed bytes\n");
  for (int n : sizes)
    for (const Road *road : {&gda_road, &by_texts, &by_rows}) {
      Footprint f = footprint (*road, n);
      printf ("  %d rows  %-22s %6.1f / %6.1f\n", n, road->name, f.resident_per_cell, f.heap_per_cell);
    }
  fflush (stdout);

  for (int n : sizes)
    for (const Road *road : {&gda_road, &by_texts, &by_rows})
      register_road (*road, n);

  benchmark::Initialize (&argc, argv);
  Summary reporter;
  benchmark::RunSpecifiedBenchmarks (&reporter);
  benchmark::Shutdown ();
  reporter.print (sizes);
  return 0;
}
