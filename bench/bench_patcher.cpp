// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * The patcher: two catalogue trees of one schema of N tables of 10 columns,
 * 1% of the tables changed, renamed, dropped or added, compared against a
 * deep clone of one tree (the floor, same N); and two tables of 100,000
 * rows, 1% of them changed, against a clone of one table.  Doubling N shows
 * whether the comparison stays linear.
 */

#include <string>

#include "bench/lmbench.h"
#include "include/libmodel.h"

namespace {

void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

TavrelModelMetaMetaTable *
table (int t)
{
  std::string name = "table_" + std::to_string (t);
  auto *made = tavrel_model_meta_meta_table_new_with_names ("shop", "public", name.c_str ());
  for (int c = 0; c < 10; c++) {
    std::string column = "column_" + std::to_string (c);
    auto *made_column = tavrel_model_meta_meta_column_new_with_type (column.c_str (), TAVREL_MODEL_DATA_DATA_TYPE_INT64, "bigint");
    tavrel_model_meta_meta_object_set_schema (TAVREL_MODEL_META_META_OBJECT (made_column), "public");
    tavrel_model_meta_meta_column_set_ordinal (made_column, guint16 (c + 1));
    add (tavrel_model_meta_meta_table_get_columns (made), made_column);
  }
  return made;
}

GeeArrayList *
tables_of (TavrelModelMetaMetaDatabase *database)
{
  GeeArrayList *schemas = tavrel_model_meta_meta_database_get_schemas (database);
  auto *schema = TAVREL_MODEL_META_META_SCHEMA (schemas->_items[0]);
  return tavrel_model_meta_meta_schema_get_tables (schema);
}

/* The source tree, and a target in which every hundredth table in turn has
 * a changed column, a new name (with its rename mark), is gone, or is
 * followed by a new table. */
struct Trees {
  TavrelModelMetaMetaDatabase *source;
  TavrelModelMetaMetaDatabase *target;
  std::vector<gpointer> renamed;

  explicit Trees (int n)
  {
    source = tavrel_model_meta_meta_database_new_with_name ("shop");
    g_object_unref (tavrel_model_meta_meta_database_append (source, "public"));
    for (int t = 0; t < n; t++)
      add (tables_of (source), table (t));
    target = TAVREL_MODEL_META_META_DATABASE (tavrel_model_meta_meta_object_clone (TAVREL_MODEL_META_META_OBJECT (source)));
    GeeArrayList *tables = tables_of (target);
    for (int t = n - 1; t >= 0; t--) {
      auto *object = TAVREL_MODEL_META_META_OBJECT (tables->_items[t]);
      switch (t % 400) {
      case 0: {
        auto *columns = tavrel_model_meta_meta_table_get_columns (TAVREL_MODEL_META_META_TABLE (object));
        tavrel_model_meta_meta_object_set_comment (TAVREL_MODEL_META_META_OBJECT (columns->_items[3]), "changed");
        break;
      }
      case 100:
        tavrel_model_meta_meta_object_set_name (object, (std::string ("renamed_") + std::to_string (t)).c_str ());
        renamed.push_back (object);
        break;
      case 200:
        g_object_unref (gee_abstract_list_remove_at (GEE_ABSTRACT_LIST (tables), t));
        break;
      case 300:
        gee_abstract_list_insert (GEE_ABSTRACT_LIST (tables), t + 1, table (n + t));
        g_object_unref (gee_abstract_list_get (GEE_ABSTRACT_LIST (tables), t + 1));
        break;
      }
    }
  }
  ~Trees ()
  {
    g_object_unref (source);
    g_object_unref (target);
  }

  /* A comparison uses up the rename marks. */
  void mark_renames ()
  {
    for (gpointer object : renamed) {
      std::string old = std::string ("table_") + (tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (object)) + 8);
      gee_abstract_map_set (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (TAVREL_MODEL_META_META_OBJECT (object))),
                            "__name__", old.c_str ());
    }
  }
};

void
register_trees (int n)
{
  std::string floor_name = "floor/clone of one tree/" + std::to_string (n) + " tables";
  benchmark::RegisterBenchmark (floor_name.c_str (), [n] (benchmark::State &state) {
    Trees trees (n);
    for (auto _ : state) {
      auto *copy = tavrel_model_meta_meta_object_clone (TAVREL_MODEL_META_META_OBJECT (trees.source));
      benchmark::DoNotOptimize (copy);
      g_object_unref (copy);
    }
    state.SetItemsProcessed (state.iterations () * n);
  })->Unit (benchmark::kMillisecond);
  lmbench::compare ("diff_model of two trees/" + std::to_string (n) + " tables", floor_name, [n] (benchmark::State &state) {
    Trees trees (n);
    TavrelModelTransformPatcher *patcher = tavrel_model_transform_patcher_new ();
    for (auto _ : state) {
      state.PauseTiming ();
      trees.mark_renames ();
      state.ResumeTiming ();
      benchmark::DoNotOptimize (tavrel_model_transform_patcher_diff_model (
          patcher, TAVREL_MODEL_META_META_OBJECT (trees.source), TAVREL_MODEL_META_META_OBJECT (trees.target)));
    }
    state.SetItemsProcessed (state.iterations () * n);
    g_object_unref (patcher);
  })->Unit (benchmark::kMillisecond);
}

/* Two tables of 100,000 rows of 8 values; every hundredth row of the
 * target has a value of its own. */
TavrelModelDataTableModel *
data_table (bool changed)
{
  const TavrelModelDataDataType kinds[] = {
      TAVREL_MODEL_DATA_DATA_TYPE_INT32,  TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE,
      TAVREL_MODEL_DATA_DATA_TYPE_DATE,   TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, TAVREL_MODEL_DATA_DATA_TYPE_INT64,
      TAVREL_MODEL_DATA_DATA_TYPE_STRING, TAVREL_MODEL_DATA_DATA_TYPE_DATETIME,
  };
  const char *texts[] = {"4711", "Acme Corporation", "1234.5", "2024-03-05", "false", "9000000000", "north",
                         "2024-03-05 14:07:09"};
  TavrelModelDataTableModel *made = tavrel_model_data_table_model_new_with_types (kinds, G_N_ELEMENTS (kinds));
  for (int r = 0; r < 100000; r++) {
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
    GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
    for (int c = 0; c < 8; c++) {
      const char *text = changed && r % 100 == 0 && c == 1 ? "Changed Corporation" : texts[c];
      add (values, tavrel_model_data_ivalue_factory (kinds[c], text));
    }
    tavrel_model_data_table_model_append (made, row);
    g_object_unref (row);
  }
  return made;
}

}  // namespace

int
main (int argc, char **argv)
{
  for (int n : {1000, 2000, 10000, 20000, 25000, 50000})
    register_trees (n);

  benchmark::RegisterBenchmark ("floor/clone of one table/100000 rows", [] (benchmark::State &state) {
    TavrelModelDataTableModel *source = data_table (false);
    GeeArrayList *rows = tavrel_model_data_table_model_get_rows (source);
    for (auto _ : state) {
      /* A table has no clone of its own: its rows are copied. */
      TavrelModelDataTableModel *copy = tavrel_model_data_table_model_new ();
      GeeArrayList *copied = tavrel_model_data_table_model_get_rows (copy);
      for (gint r = 0; r < rows->_size; r++)
        add (copied, tavrel_model_data_row_model_clone (TAVREL_MODEL_DATA_ROW_MODEL (rows->_items[r])));
      g_object_unref (copy);
    }
    g_object_unref (source);
  })->Unit (benchmark::kMillisecond);
  lmbench::compare ("diff_data_table/100000 rows, 1% changed", "floor/clone of one table/100000 rows",
                    [] (benchmark::State &state) {
                      TavrelModelDataTableModel *source = data_table (false);
                      TavrelModelDataTableModel *target = data_table (true);
                      TavrelModelTransformPatcher *patcher = tavrel_model_transform_patcher_new ();
                      for (auto _ : state) {
                        TavrelModelDataTableModel *patched = nullptr;
                        tavrel_model_transform_patcher_diff_data_table (patcher, source, target, &patched);
                        benchmark::DoNotOptimize (patched);
                        g_object_unref (patched);
                      }
                      g_object_unref (patcher);
                      g_object_unref (source);
                      g_object_unref (target);
                    })
      ->Unit (benchmark::kMillisecond);
  return lmbench::run (argc, argv);
}
