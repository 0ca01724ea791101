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

/* A row as a reader builds it: one value per column, in column order. */
static TavrelModelDataRowModel *
read_row (gint32 code, const char *message)
{
  TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  g_autoptr (TavrelModelDataValueError) status = tavrel_model_data_value_error_new (code, message);
  g_autoptr (TavrelModelDataValueNull) note = tavrel_model_data_value_null_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), status);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), note);
  return row;
}

void
tour_tables (void)
{
  tour_heading ("tables");
  const char *sql = "SELECT status, note FROM [ops].[job_runs] WHERE status <> 0";
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (sql);
  printf ("  from \"%s\"\n  schema \"%s\", entity \"%s\"\n", tavrel_model_data_table_model_get_statements (table),
          tavrel_model_data_table_model_get_schema (table), tavrel_model_data_table_model_get_entity (table));
  g_autoptr (TavrelModelDataTableModel) bare = tavrel_model_data_table_model_new_with_sql ("select * from audit.log");
  printf ("  \"%s\" names %s.%s\n", tavrel_model_data_table_model_get_statements (bare),
          tavrel_model_data_table_model_get_schema (bare), tavrel_model_data_table_model_get_entity (bare));

  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  g_autoptr (TavrelModelDataColumnModel) status = tavrel_model_data_column_model_new_full ("status", TAVREL_MODEL_DATA_DATA_TYPE_ERROR);
  g_autoptr (TavrelModelDataColumnModel) note = tavrel_model_data_column_model_new_full ("note", TAVREL_MODEL_DATA_DATA_TYPE_DBNULL);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), status);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), note);

  g_signal_connect (table, "items-changed", G_CALLBACK (on_items_changed), NULL);
  printf ("  reading three rows\n");
  const struct {
    gint32 code;
    const char *message;
  } read[] = {{1205, "deadlock"}, {57014, "cancelled"}, {40001, "serialization failure"}};
  for (size_t i = 0; i < G_N_ELEMENTS (read); i++) {
    g_autoptr (TavrelModelDataRowModel) row = read_row (read[i].code, read[i].message);
    tavrel_model_data_table_model_append (table, row);
  }
  print_table (table);

  printf ("  editing row 0 and marking it, marking row 1 for deletion\n");
  g_autoptr (TavrelModelDataValueError) retried = tavrel_model_data_value_error_new (0, "retried");
  tavrel_model_data_table_model_set_value_at (table, 0, 0, TAVREL_MODEL_DATA_VALUE_OBJECT (retried));
  tavrel_model_data_table_model_update_row_version (table, 0, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  tavrel_model_data_table_model_update_row_version (table, 1, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);

  printf ("  adding a row meant for insertion at the front, then dropping it\n");
  g_autoptr (TavrelModelDataRowModel) fresh = read_row (0, "queued");
  tavrel_model_data_row_model_set_version (fresh, TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT);
  tavrel_model_data_table_model_insert (table, 0, fresh);
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
