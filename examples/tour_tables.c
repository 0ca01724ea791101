/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Tables: built from a statement, filled, edited and marked as an editor
 * does, watched as a list model; then a data set and the other results. */

#include <stdio.h>

#include "tour.h"

static void
on_items_changed (GListModel *model, guint position, guint removed, guint added, gpointer data)
{
  (void) data;
  printf ("    list view: at %u, %u removed, %u added (now %u rows)\n", position, removed, added,
          g_list_model_get_n_items (model));
}

static void
print_table (TavrelModelDataTableModel *table)
{
  const gchar *schema = tavrel_model_data_table_model_get_schema (table);
  printf ("  %s%s%s:", schema, *schema ? "." : "", tavrel_model_data_table_model_get_entity (table));
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  gint n_columns = gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns));
  for (gint i = 0; i < n_columns; i++) {
    TavrelModelDataColumnModel *column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i);
    printf (" %s", tavrel_model_data_column_model_get_name (column));
    g_object_unref (column);
  }
  printf ("\n");

  guint n_rows = g_list_model_get_n_items (G_LIST_MODEL (table));
  for (guint r = 0; r < n_rows; r++) {
    g_autoptr (TavrelModelDataRowModel) row = g_list_model_get_item (G_LIST_MODEL (table), r);
    g_autofree gchar *version = tavrel_model_transform_data_version_to_string (tavrel_model_data_row_model_get_version (row));
    printf ("    %u [%-9s]", r, version);
    for (gint c = 0; c < n_columns; c++) {
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_table_model_get_value_at (table, c, (gint) r);
      g_autofree gchar *text = value ? tavrel_model_data_value_object_to_string (value) : NULL;
      printf (" \"%s\"", text ? text : "");
    }
    printf ("\n");
  }
}

static const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING,
                                                TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, TAVREL_MODEL_DATA_DATA_TYPE_MONEY};
static const char *const names[] = {"id", "status", "finished", "cost"};

/* A row as a reader builds it: each cell's text through the factory, one
 * value per column, in column order. */
static TavrelModelDataRowModel *
read_row (const char *const texts[4])
{
  TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  for (gsize c = 0; c < G_N_ELEMENTS (kinds); c++) {
    TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (kinds[c], texts[c]);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
    g_object_unref (value);
  }
  return row;
}

void
tour_tables (void)
{
  tour_heading ("tables");
  const char *sql = "SELECT id, status, finished, cost FROM [ops].[job_runs] WHERE status <> 'ok'";
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (sql);
  printf ("  from \"%s\"\n  schema \"%s\", entity \"%s\"\n", tavrel_model_data_table_model_get_statements (table),
          tavrel_model_data_table_model_get_schema (table), tavrel_model_data_table_model_get_entity (table));
  g_autoptr (TavrelModelDataTableModel) bare = tavrel_model_data_table_model_new_with_sql ("select * from audit.log");
  printf ("  \"%s\" names %s.%s\n", tavrel_model_data_table_model_get_statements (bare),
          tavrel_model_data_table_model_get_schema (bare), tavrel_model_data_table_model_get_entity (bare));

  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  for (gsize c = 0; c < G_N_ELEMENTS (kinds); c++) {
    g_autoptr (TavrelModelDataColumnModel) column = tavrel_model_data_column_model_new_full (names[c], kinds[c]);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), column);
  }

  g_signal_connect (table, "items-changed", G_CALLBACK (on_items_changed), NULL);
  printf ("  reading three rows\n");
  static const char *const read[][4] = {
      {"17", "deadlock", "2024-03-05 14:07:09", "0.25"},
      {"18", "cancelled", "2024-03-05 14:09:41", "(Null)"},
      {"19", "serialization failure", "2024-03-05T14:12:00+01:00", "1.5"},
  };
  for (size_t i = 0; i < G_N_ELEMENTS (read); i++) {
    g_autoptr (TavrelModelDataRowModel) row = read_row (read[i]);
    tavrel_model_data_table_model_append (table, row);
  }
  print_table (table);

  printf ("  editing row 0 and marking it, marking row 1 for deletion\n");
  g_autoptr (TavrelModelDataIValue) retried = tavrel_model_data_ivalue_factory (TAVREL_MODEL_DATA_DATA_TYPE_STRING, "retried");
  tavrel_model_data_table_model_set_value_at (table, 1, 0, TAVREL_MODEL_DATA_VALUE_OBJECT (retried));
  tavrel_model_data_table_model_update_row_version (table, 0, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  tavrel_model_data_table_model_update_row_version (table, 1, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);

  printf ("  a new row (marked INSERT, defaults in every cell) added at the front, then dropped\n");
  g_autoptr (TavrelModelDataRowModel) fresh = tavrel_model_data_table_model_new_row (table);
  g_autoptr (TavrelModelDataIValue) queued = tavrel_model_data_ivalue_factory (TAVREL_MODEL_DATA_DATA_TYPE_STRING, "queued");
  tavrel_model_data_row_model_set_value_at (fresh, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (queued));
  tavrel_model_data_table_model_insert (table, 0, fresh);
  print_table (table);
  /* Never stored, so nothing to delete on the server: it just goes. */
  tavrel_model_data_table_model_update_row_version (table, 0, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  gint position = -1;
  gboolean found = tavrel_model_data_table_model_find (table, fresh, &position);
  printf ("  the dropped row is %s the table\n", found ? "still in" : "no longer in");
  print_table (table);

  tour_heading ("data sets and results");
  g_autoptr (TavrelModelDataDataSetModel) set = tavrel_model_data_data_set_model_new ();
  GeeArrayList *tables = tavrel_model_data_data_set_model_get_tables (set);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), table);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), bare);
  guint n_tables = g_list_model_get_n_items (G_LIST_MODEL (set));
  printf ("  a data set of %u tables:", n_tables);
  for (guint i = 0; i < n_tables; i++) {
    g_autoptr (TavrelModelDataTableModel) item = g_list_model_get_item (G_LIST_MODEL (set), i);
    printf (" %s (%u rows)", tavrel_model_data_table_model_get_entity (item), g_list_model_get_n_items (G_LIST_MODEL (item)));
  }
  printf ("\n");

  g_autoptr (TavrelModelDataScalarResult) affected = tavrel_model_data_scalar_result_new (3);
  g_autoptr (TavrelModelDataInvalidResult) failed =
      tavrel_model_data_invalid_result_new ("42P01", "relation \"job_run\" does not exist");
  GObject *results[] = {G_OBJECT (table), G_OBJECT (affected), G_OBJECT (failed)};
  for (size_t i = 0; i < G_N_ELEMENTS (results); i++) {
    GObject *result = results[i];
    printf ("  %s: ", G_OBJECT_TYPE_NAME (result));
    if (TAVREL_MODEL_DATA_IS_SCALAR_RESULT (result))
      printf ("%d rows affected\n", tavrel_model_data_scalar_result_get_rows (TAVREL_MODEL_DATA_SCALAR_RESULT (result)));
    else if (TAVREL_MODEL_DATA_IS_INVALID_RESULT (result))
      printf ("error %s: %s\n", tavrel_model_data_invalid_result_get_code (TAVREL_MODEL_DATA_INVALID_RESULT (result)),
              tavrel_model_data_invalid_result_get_message (TAVREL_MODEL_DATA_INVALID_RESULT (result)));
    else
      printf ("a table of %u rows\n", g_list_model_get_n_items (G_LIST_MODEL (result)));
  }
}
